#include "dose/DoseGrid.h"

#include "dose/CalculationFailure.h"
#include "dose/PointDoseModel.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace corvane {
namespace {

// The inputs of a calculation and its last result, as a front end holds them.
struct Run {
    BeamData Beam = test::BundledBeamData();
    IrradiationConditions Conditions;
    DoseCalculation Result;  // the last that succeeded
};

std::unique_ptr<Run> stateFor(const char* depth, const char* width, const char* length, int setup = 1,
                              int wedgeKind = 1) {
    auto run = std::make_unique<Run>();
    run->Conditions = test::ConditionsWithEntries(setup, wedgeKind, depth, width, length);
    return run;
}

bool computes(Run& run) {
    try {
        run.Result = ComputeDoseGrid(run.Beam, run.Conditions);
        return true;
    } catch (const CalculationFailure&) {
        return false;
    }
}

TEST(DoseGrid, HalfWidthStepsFollowTheFieldWidth) {
    for (auto [width, steps] : {std::pair{"10", 86}, {"4", 35}, {"30", 250}, {"0.55", 5}}) {
        auto state = stateFor("5", width, "10");
        ASSERT_TRUE(computes(*state)) << width;
        EXPECT_EQ(state->Result.HalfWidthSteps, steps) << width;
        EXPECT_EQ(state->Result.DepthSteps, 250);
    }
}

TEST(DoseGrid, DefaultConditionsAreSymmetricAndNormalisedAtTheTarget) {
    auto state = stateFor("5.0", "10.0", "10.0");
    ASSERT_TRUE(computes(*state));
    const auto& grid = state->Result.DoseGrid;
    EXPECT_EQ(grid(250, 50), 1.0);
    for (int J = 0; J <= 300; ++J)
        for (int i = 0; i <= 250; ++i) {
            ASSERT_EQ(grid(250 - i, J), grid(250 + i, J)) << i << "," << J;
            if (i > 86 || J > 250)
                ASSERT_EQ(grid(250 + i, J), 0.0) << i << "," << J;
            else
                ASSERT_GT(grid(250 + i, J), 0.0) << i << "," << J;
        }
    // The build-up: less dose at the surface than at the target, and beyond
    // the field edge only scatter.
    EXPECT_LT(grid(250, 0), 0.8);
    EXPECT_LT(grid(250 + 80, 50), 0.1);
}

TEST(DoseGrid, NarrowFieldLeavesZeroBeyondItsSteps) {
    auto state = stateFor("5", "4", "4");
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->Result.HalfWidthSteps, 35);
    EXPECT_GT(state->Result.DoseGrid(250 - 35, 100), 0.0);
    EXPECT_EQ(state->Result.DoseGrid(250 - 36, 100), 0.0);
    EXPECT_EQ(state->Result.DoseGrid(250 + 36, 100), 0.0);
    EXPECT_EQ(state->Result.DoseGrid(250, 251), 0.0);
}

TEST(DoseGrid, WedgeLowersTheDoseTowardsLargerColumns) {
    for (int wedge : {2, 3, 4}) {
        auto state = stateFor("5.0", "10.0", "10.0", 1, wedge);
        ASSERT_TRUE(computes(*state));
        EXPECT_EQ(state->Result.DoseGrid(250, 50), 1.0);
        for (int i = 1; i <= 86; ++i)
            ASSERT_GT(state->Result.DoseGrid(250 - i, 50), state->Result.DoseGrid(250 + i, 50)) << wedge << " " << i;
    }
}

// The grid as the formulas give it point by point, with none of the grid's
// shortcuts: each half-plane cell from OcrAt, the mirror, each wedge factor
// from WedgeFactor and the division by the reference cell. Throws
// CalculationFailure where one of the formulas fails.
DoseMatrix LiteralDoseGrid(const Run& state) {
    const IrradiationConditions& cond = state.Conditions;
    const double ssd = RequireFinite(IsSsdSetup(cond.Setup) ? 100 : 100 - cond.Depth, "SSD");
    const DoseModelInputs in{state.Beam,
                             ssd,
                             cond.FieldWidth,
                             cond.FieldLength,
                             AreaPerimeterRatio(cond.FieldWidth, cond.FieldLength),
                             cond.WedgeKind,
                             cond.WedgeSlope};
    const int depthSteps = std::min(10 * cond.PhantomThickness, 250);
    const double steps = std::floor(10 * (1.7 * (cond.FieldWidth / 2))) + 1;
    const int halfWidthSteps = steps > 250 ? 250 : static_cast<int>(steps);

    HalfDoseMatrix half;
    for (int J = 0; J <= depthSteps; ++J) {
        const double d = 0.1 * J;
        const double s = EquivalentSquare(in, d);  // clamped to 35 cm
        const double f = InverseSquareFactor(in, d);
        const double T = TmrAt(in.Beam, d, s);
        const double h = BeamHalfWidth(in, d);
        const double fT = RequireFinite(f * T, "f x T");
        for (int i = 0; i <= halfWidthSteps; ++i)
            half(i, J) = RequireFinite(OcrAt(in.Beam, i / h, d) * fT, "half-plane dose");
    }

    DoseMatrix grid;
    for (int J = 0; J <= 250; ++J)
        for (int i = 0; i <= halfWidthSteps; ++i) {
            grid(250 + i, J) = half(i, J);
            grid(250 - i, J) = half(i, J);
        }
    if (HasWedge(cond.WedgeKind))
        for (int J = 0; J <= 300; ++J)
            for (int I = 0; I <= 500; ++I)
                if (double& cell = grid(I, J); cell != 0)
                    cell = RequireFinite(cell * WedgeFactor(in, I, 0.1 * J), "wedged dose");

    const double targetRow = 10 * cond.Depth;
    if (!(targetRow >= 0) || !(targetRow < 301)) FailCalculation("target row outside the grid");
    const double reference = grid(250, static_cast<int>(targetRow));
    if (reference == 0) FailCalculation("reference dose is 0");
    for (int J = 0; J <= depthSteps; ++J)
        for (int I = 0; I <= 500; ++I) grid(I, J) = RequireFinite(grid(I, J) / reference, "normalised dose");
    return grid;
}

// One set of conditions as the entries give them.
struct GridConditions {
    int setup;
    std::string depth, width, length;
    int wedgeKind;
};

std::ostream& operator<<(std::ostream& out, const GridConditions& c) {
    return out << (c.setup == 1 ? "SSD" : "STD") << " depth " << c.depth << ", " << c.width << " x "
               << c.length << ", wedge kind " << c.wedgeKind;
}

TEST(DoseGrid, EveryCellMatchesThePointByPointFormulas) {
    // Conditions chosen by hand: the STD set-up at 13 cm, where the shallow
    // rows reach the OCR table's last segment (x from 1.9 to 2.0); targets on
    // either side of 15 cm, where the OCR column pair changes; wide fields that
    // fill the chart; and conditions that fail.
    std::vector<GridConditions> table{
        {2, "13", "10", "10", 1},   {2, "13", "10", "10", 3},   {2, "13", "6", "25", 4},
        {1, "8", "30", "30", 2},    {2, "8", "30", "30", 4},    {1, "14.9", "10", "10", 2},
        {1, "15", "10", "10", 3},   {1, "15.1", "10", "10", 4}, {2, "15", "30", "30", 2},
        {2, "15.1", "35", "20", 1}, {1, "5", "40", "40", 4},    {1, "5", "0.55", "10", 3},
        {2, "14", "10", "10", 1},   {1, "5", "0.6", "10", 1},   {1, "25.1", "10", "10", 2},
    };
    // And a seeded sweep, half of it with targets between 14 and 16 cm.
    std::mt19937 random(20240611);
    auto tenths = [&](int from, int to) {
        const int n = std::uniform_int_distribution<int>(from, to)(random);
        return std::to_string(n / 10) + "." + std::to_string(n % 10);
    };
    for (int k = 0; k < 200; ++k) {
        const int setup = std::uniform_int_distribution<int>(1, 2)(random);
        const int wedgeKind = std::uniform_int_distribution<int>(1, 4)(random);
        const std::string depth = k % 2 == 0 ? tenths(140, 160) : tenths(0, 250);
        table.push_back({setup, depth, tenths(5, 400), tenths(5, 400), wedgeKind});
    }

    int computed = 0;
    int failed = 0;
    int lastSegmentCells = 0;
    for (const GridConditions& c : table) {
        auto state = stateFor(c.depth.c_str(), c.width.c_str(), c.length.c_str(), c.setup, c.wedgeKind);
        std::optional<DoseMatrix> expected;
        try {
            expected = LiteralDoseGrid(*state);
        } catch (const CalculationFailure&) {}
        ASSERT_EQ(computes(*state), expected.has_value()) << c;
        if (!expected) {
            ++failed;
            continue;
        }
        ++computed;
        const auto& grid = state->Result.DoseGrid;
        for (int J = 0; J <= 300; ++J)
            for (int I = 0; I <= 500; ++I) {
                const double want = (*expected)(I, J);
                const double got = grid(I, J);
                ASSERT_EQ(got == 0, want == 0) << c << ": cell " << I << "," << J << ": " << got;
                ASSERT_LE(std::abs(got - want), 1e-12 * std::abs(want)) << c << ": cell " << I << "," << J;
            }
        // Cells whose relative off-axis distance lies in the OCR table's last segment.
        const double ssd = c.setup == 1 ? 100 : 100 - state->Conditions.Depth;
        for (int J = 0; J <= 250; ++J) {
            const double h = state->Conditions.FieldWidth / 2 * (ssd + 0.1 * J) / 10;
            for (int i = 1; i <= state->Result.HalfWidthSteps; ++i) lastSegmentCells += i / h >= 1.9 ? 2 : 0;
        }
    }
    // The sweep covers what it is meant to.
    EXPECT_GT(computed, 100);
    EXPECT_GT(failed, 10);
    EXPECT_GE(lastSegmentCells, 1000);
}

TEST(DoseGrid, DepthLimitsOfTheReferenceRow) {
    auto at25 = stateFor("25.0", "10", "10");
    EXPECT_TRUE(computes(*at25));
    EXPECT_EQ(at25->Result.DoseGrid(250, 250), 1.0);
    auto at251 = stateFor("25.1", "10", "10");
    EXPECT_FALSE(computes(*at251));
    auto at505 = stateFor("5.05", "10", "10");
    ASSERT_TRUE(computes(*at505));
    EXPECT_EQ(at505->Result.DoseGrid(250, 50), 1.0);
    auto negative = stateFor("-0.5", "10", "10");
    EXPECT_FALSE(computes(*negative));
    auto beyond = stateFor("30.1", "10", "10");
    EXPECT_FALSE(computes(*beyond));
    auto huge = stateFor("1e999", "10", "10");
    EXPECT_FALSE(computes(*huge));
}

TEST(DoseGrid, StdSetupWithADeepTargetFails) {
    EXPECT_TRUE(computes(*stateFor("13", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("14", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("20", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("1e999", "10", "10", 2)));
}

TEST(DoseGrid, VeryNarrowFieldsFailAtTheOcrTable) {
    EXPECT_FALSE(computes(*stateFor("5", "0.5", "10")));
    EXPECT_TRUE(computes(*stateFor("5", "0.55", "10")));
    EXPECT_FALSE(computes(*stateFor("5", "0.6", "10")));
}

TEST(DoseGrid, EmptyEntries) {
    EXPECT_FALSE(computes(*stateFor("5", "", "10")));  // zero divisor at the first point
    for (const char* length : {"", "0", "-0", "0.0x"})  // a field of no area
        EXPECT_FALSE(computes(*stateFor("5", "10", length))) << length;
    auto noDepth = stateFor("", "10", "10");
    ASSERT_TRUE(computes(*noDepth));
    EXPECT_EQ(noDepth->Result.DoseGrid(250, 0), 1.0);
}

// Whether a run fails before the half plane (sizes of no area, negative
// sizes) or in its first rows (the STD set-up with a deep target), nothing
// of it escapes: the previous result stays as it was.
TEST(DoseGrid, AFailedRunLeavesThePreviousResultUntouched) {
    auto state = stateFor("5", "30", "30");
    ASSERT_TRUE(computes(*state));
    const DoseMatrix previous = state->Result.DoseGrid;
    for (const auto& [setup, depth, size] : std::vector<std::tuple<BeamSetup, const char*, const char*>>{
             {BeamSetup::Ssd, "5", "0"},   {BeamSetup::Ssd, "5", "-1"},   {BeamSetup::Ssd, "5", "-0.5"},
             {BeamSetup::Ssd, "5", "-0"},  {BeamSetup::Std, "20", "10"},  {BeamSetup::Ssd, "30", "10"}}) {
        state->Conditions.Setup = setup;
        ReadConditionEntries(state->Conditions, depth, size, size);
        EXPECT_FALSE(computes(*state)) << depth << " " << size;
        EXPECT_TRUE(state->Result.DoseGrid == previous) << depth << " " << size;
        EXPECT_EQ(state->Result.HalfWidthSteps, 250);
        EXPECT_EQ(state->Result.Conditions.FieldWidth, 30.0);
    }
}

TEST(DoseGrid, RecomputingGivesTheSameGridAndKeepsTheConditions) {
    auto state = stateFor("7.3", "12", "8", 1, 3);
    ASSERT_TRUE(computes(*state));
    const DoseMatrix first = state->Result.DoseGrid;
    ASSERT_TRUE(computes(*state));
    EXPECT_TRUE(state->Result.DoseGrid == first);
    EXPECT_EQ(state->Result.Conditions.Depth, 7.3);
    EXPECT_EQ(state->Result.Conditions.WedgeKind, WedgeFilter::Deg45);
    EXPECT_EQ(state->Result.WedgeSlope(), state->Conditions.WedgeSlope);
    EXPECT_GT(state->Result.WedgeSlope(), 0);
}

TEST(DoseGrid, HugeTableValuesFailOnlyWhereTheFormulaOverflows) {
    // Steps of 0.5e308 between OCR rows: the formula stays finite, while a
    // slope per 0.1 of x would not.
    auto state = stateFor("5", "10", "10");
    for (int m = 1; m <= 21; ++m)
        for (int k = 1; k <= 3; ++k) state->Beam.OcrTable[m][k] = m % 2 ? 1e308 : 1.5e308;
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->Result.DoseGrid(250, 50), 1.0);
    EXPECT_TRUE(std::isfinite(state->Result.DoseGrid(250 + 40, 20)));
    // Steps of 2e308 overflow in the formula itself.
    for (int m = 1; m <= 21; ++m)
        for (int k = 1; k <= 3; ++k) state->Beam.OcrTable[m][k] = m % 2 ? -1e308 : 1e308;
    EXPECT_FALSE(computes(*state));
}

TEST(DoseGrid, WideFieldsAreComputedAcrossTheWholeChart) {
    auto state = stateFor("5", "30", "30", 1, 4);
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->Result.HalfWidthSteps, 250);
    EXPECT_GT(state->Result.DoseGrid(0, 0), 0.0);
    EXPECT_GT(state->Result.DoseGrid(500, 250), 0.0);
    auto huge = stateFor("5", "40", "40");
    EXPECT_TRUE(computes(*huge));
}

}  // namespace
}  // namespace corvane
