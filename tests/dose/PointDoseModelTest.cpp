#include "dose/PointDoseModel.h"

#include "dose/PortableExp.h"
#include "state/WedgeOptions.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane {
namespace {

const BeamData& beam() { return test::BundledBeamData(); }

DoseModelInputs inputs(double ssd, double width, double length, WedgeFilter wedge = WedgeFilter::None) {
    const double slope = HasWedge(wedge) ? WedgeSlopeForAngle(PhysicalWedgeAngle(wedge)) : 0;
    return DoseModelInputs{beam(), ssd, width, length, AreaPerimeterRatio(width, length), wedge, slope};
}

TEST(EquivalentSquare, IsFourTimesAreaOverPerimeterScaledToDepth) {
    EXPECT_EQ(EquivalentSquare(inputs(100, 10, 10), 0), 10.0);
    EXPECT_DOUBLE_EQ(EquivalentSquare(inputs(100, 10, 20), 10), 4 * (200.0 / 60) * 110 / 100);
    // 40 x 40 at SSD 100 is clamped to 35 at every depth.
    EXPECT_EQ(EquivalentSquare(inputs(100, 40, 40), 0), 35.0);
    EXPECT_EQ(EquivalentSquare(inputs(100, 40, 40), 25), 35.0);
    // STD with the target at 20 cm: 32 cm at the surface, 35 from 7.5 cm on.
    EXPECT_DOUBLE_EQ(EquivalentSquare(inputs(80, 40, 40), 0), 32.0);
    EXPECT_EQ(EquivalentSquare(inputs(80, 40, 40), 7.5), 35.0);
    EXPECT_LT(EquivalentSquare(inputs(80, 40, 40), 7.4), 35.0);
    // No lower clamp.
    EXPECT_DOUBLE_EQ(EquivalentSquare(inputs(100, 2, 2), 0), 2.0);
}

TEST(EquivalentSquare, FailsOnAZeroPerimeterOrAnOverflow) {
    EXPECT_THROW(AreaPerimeterRatio(0, 0), CalculationFailure);
    EXPECT_THROW(AreaPerimeterRatio(1e308, 1e308), CalculationFailure);
    EXPECT_EQ(AreaPerimeterRatio(0, 10), 0.0);
}

TEST(TmrAt, InterpolatesInDepthAndFieldSize) {
    // On a table depth and a table field the value is the table's.
    EXPECT_DOUBLE_EQ(TmrAt(beam(), 0.1 * 100, 10.0), beam().TmrTable[17][4]);
    EXPECT_DOUBLE_EQ(TmrAt(beam(), 0.1 * 0, 10.0), beam().TmrTable[1][4]);
    // Half-way between the 10 and 12 cm columns, and between 100 and 110 mm.
    const double t10 = (beam().TmrTable[17][4] + beam().TmrTable[18][4]) / 2;
    const double t12 = (beam().TmrTable[17][5] + beam().TmrTable[18][5]) / 2;
    EXPECT_NEAR(TmrAt(beam(), 10.5, 11.0), (t10 + t12) / 2, 1e-15);
    // Below 4 cm the (4, 6) columns are extrapolated.
    const double t4 = beam().TmrTable[17][1];
    const double t6 = beam().TmrTable[17][2];
    EXPECT_NEAR(TmrAt(beam(), 10.0, 2.0), t4 - (t6 - t4), 1e-15);
    // The 35 cm column for the clamped square.
    EXPECT_DOUBLE_EQ(TmrAt(beam(), 30.0, 35.0), beam().TmrTable[37][10]);
}

TEST(TmrAt, FailsBeyondTheLastTableDepth) {
    EXPECT_NO_THROW(TmrAt(beam(), 30.0, 10));
    EXPECT_THROW(TmrAt(beam(), 30.01, 10), CalculationFailure);
}

TEST(OcrAt, RowsFromTheRelativeDistanceAndColumnsFromDepth) {
    // On the axis: column 1 at the surface, column 2 at 15 cm.
    EXPECT_DOUBLE_EQ(OcrAt(beam(), 0, 0), beam().OcrTable[1][1]);
    EXPECT_DOUBLE_EQ(OcrAt(beam(), 0, 0.1 * 150), beam().OcrTable[1][2]);
    // At the field edge every profile passes through row 11.
    EXPECT_DOUBLE_EQ(OcrAt(beam(), 1.0, 7.3), 0.5);
    // Row J = 150 is exactly 15 cm: the pair (1, 2) with weight 0 on column 1.
    EXPECT_EQ(OcrColumnFor(0.1 * 150), 1);
    EXPECT_EQ(OcrColumnFor(0.1 * 151), 2);
    const double x = 0.55;
    const double p2 = beam().OcrTable[6][2] +
                      (x - 0.5) * (beam().OcrTable[7][2] - beam().OcrTable[6][2]) / (0.1 * 6 - 0.1 * 5);
    const double p3 = beam().OcrTable[6][3] +
                      (x - 0.5) * (beam().OcrTable[7][3] - beam().OcrTable[6][3]) / (0.1 * 6 - 0.1 * 5);
    EXPECT_DOUBLE_EQ(OcrAt(beam(), x, 0.1 * 150), p2);
    EXPECT_DOUBLE_EQ(OcrAt(beam(), x, 0.1 * 151), p3 + (30 - 0.1 * 151) * (p2 - p3) / 15);
}

TEST(OcrAt, FailsOutsideRows1To21) {
    EXPECT_NO_THROW(OcrAt(beam(), 1.99, 5));
    EXPECT_THROW(OcrAt(beam(), 2.0, 5), CalculationFailure);
    EXPECT_THROW(OcrAt(beam(), -0.01, 5), CalculationFailure);
    EXPECT_THROW(OcrAt(beam(), 1e300, 5), CalculationFailure);
    EXPECT_THROW(OcrAt(beam(), std::nan(""), 5), CalculationFailure);
    EXPECT_NO_THROW(OcrAt(beam(), -0.0, 5));
}

TEST(InverseSquareAndHalfWidth, FollowTheSourceDistance) {
    EXPECT_EQ(InverseSquareFactor(inputs(100, 10, 10), 0), 1.0);
    EXPECT_DOUBLE_EQ(InverseSquareFactor(inputs(100, 10, 10), 10), 10000.0 / (110.0 * 110.0));
    EXPECT_THROW(InverseSquareFactor(inputs(-5, 10, 10), 5), CalculationFailure);
    EXPECT_EQ(BeamHalfWidth(inputs(100, 10, 10), 0), 50.0);
    EXPECT_DOUBLE_EQ(BeamHalfWidth(inputs(90, 10, 10), 10), 50.0);
}

TEST(WedgeFactor, ThinEndTowardsSmallerColumns) {
    const auto w60 = inputs(100, 10, 10, WedgeFilter::Deg60);
    EXPECT_NEAR(WedgeFactor(w60, 250, 0), 0.11225, 5e-6);
    EXPECT_NEAR(WedgeFactor(w60, 250, 20), 0.11225, 5e-6);
    EXPECT_NEAR(WedgeFactor(inputs(100, 10, 10, WedgeFilter::Deg30), 250, 3), 0.42764, 5e-6);
    EXPECT_NEAR(WedgeFactor(inputs(100, 10, 10, WedgeFilter::Deg45), 250, 3), 0.25251, 5e-6);
    // l' >= 15 at the wedge plane: no lead, factor 1.
    EXPECT_EQ(WedgeFactor(w60, 0, 0), 1.0);
    EXPECT_LT(WedgeFactor(w60, 500, 0), WedgeFactor(w60, 250, 0));
    EXPECT_GT(WedgeFactor(w60, 200, 0), WedgeFactor(w60, 250, 0));
    EXPECT_THROW(WedgeFactor(inputs(-5, 10, 10, WedgeFilter::Deg60), 250, 5), CalculationFailure);
}

TEST(WedgeSlope, UsesPiAs3Point14159) {
    // To the bit, as every C library here gives them: a wedged grid is the
    // same number for number on every platform only if its slope is.
    EXPECT_EQ(WedgeSlopeForAngle(5.458), 0x1.875e94e0c70d7p-4);
    EXPECT_EQ(WedgeSlopeForAngle(8.8), 0x1.3d0c003f5a901p-3);
    EXPECT_EQ(WedgeSlopeForAngle(13.82), 0x1.f7cb709a03cf9p-3);
}

TEST(PortableExp, WithinAnUlpOfExpAndExactAtItsEdges) {
    // A wrong entry of its table would be off by far more than an ulp.
    for (double x = -30; x <= 1; x += 0.0003) {
        const long double exact = std::exp(static_cast<long double>(x));
        EXPECT_LE(std::fabs(PortableExp(x) - exact), std::nextafter(double(exact), 1e300) - double(exact)) << x;
    }
    EXPECT_EQ(PortableExp(0.0), 1.0);
    EXPECT_EQ(PortableExp(-1e-300), 1.0);
    EXPECT_EQ(PortableExp(-HUGE_VAL), 0.0);
    EXPECT_EQ(PortableExp(HUGE_VAL), HUGE_VAL);
    EXPECT_EQ(PortableExp(710.0), HUGE_VAL);
    EXPECT_EQ(PortableExp(-746.0), 0.0);
    EXPECT_EQ(PortableExp(-745.0), 0x1p-1074);  // the smallest subnormal
    EXPECT_TRUE(std::isnan(PortableExp(std::nan(""))));
}

}  // namespace
}  // namespace corvane
