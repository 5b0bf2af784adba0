// The teaching figures of the profiles window on hand-built grids, where
// every crossing can be worked out by hand.
#include "dose/ProfileFigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace corvane {
namespace {

constexpr double Tolerance = 1e-9;
constexpr int Row = 120;
constexpr int Column = 270;
const std::optional<double> None;

// A grid whose row `Row` is dose(x), x = I - 250 mm off axis, and zero elsewhere.
std::unique_ptr<DoseMatrix> RowGrid(const std::function<double(int)>& dose) {
    auto grid = std::make_unique<DoseMatrix>();
    for (int I = 0; I <= LastChartColumn; ++I) (*grid)(I, Row) = dose(I - AxisColumn);
    return grid;
}

// A grid whose column `Column` is dose(J), and zero elsewhere.
std::unique_ptr<DoseMatrix> ColumnGrid(const std::function<double(int)>& dose) {
    auto grid = std::make_unique<DoseMatrix>();
    for (int J = 0; J < GridRows; ++J) (*grid)(Column, J) = dose(J);
    return grid;
}

// Flat `top` from -halfWidth to +halfWidth, falling linearly to 0 over
// `leftFall` and `rightFall` mm beyond.
std::function<double(int)> Trapezoid(double top, int halfWidth, int leftFall, int rightFall) {
    return [=](int x) {
        const int beyond = std::abs(x) - halfWidth;
        const int fall = x < 0 ? leftFall : rightFall;
        if (beyond <= 0) return top;
        return beyond >= fall ? 0.0 : top * (1.0 - static_cast<double>(beyond) / fall);
    };
}

void ExpectFigure(const char* what, const std::optional<double>& actual,
                  const std::optional<double>& expected) {
    SCOPED_TRACE(what);
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (expected) {
        EXPECT_NEAR(*actual, *expected, Tolerance);
    }
}

TEST(ProfileFiguresTest, LateralFiguresAgainstTheAxisDoseOfTheRow) {
    struct Case {
        std::string name;
        std::function<double(int)> dose;
        std::optional<double> width50, leftPenumbra, rightPenumbra;
        ComputedRegion region{};
        bool wedged = false;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        // 50 % at +-60 mm, 80 % at 54 and 20 % at 66 mm from the axis.
        {"symmetric field", Trapezoid(1.0, 50, 20, 20), 120.0, 12.0, 12.0},
        // The same shape at 40 % of the target dose: the figures are relative
        // to the axis dose of the row, so they do not change.
        {"deep row at 40 % of the target", Trapezoid(0.4, 50, 20, 20), 120.0, 12.0, 12.0},
        {"steeper left edge", Trapezoid(1.0, 50, 10, 20), 115.0, 6.0, 12.0},
        // Crossings between cells: 1 up to +50 mm, then 0.6, 0.3, 0.1, 0:
        // 50 % at 51 + 0.1 / 0.3, 80 % at 50.5, 20 % at 52.5.
        {"crossings between cells",
         [](int x) {
             const int beyond = std::abs(x) - 50;
             if (beyond <= 0) return 1.0;
             return beyond == 1 ? 0.6 : beyond == 2 ? 0.3 : beyond == 3 ? 0.1 : 0.0;
         },
         2 * (51 + 0.1 / 0.3), 2.0, 2.0},
        // Only the search from the axis outwards counts: a second field
        // further out is not part of this one.
        {"second field further out",
         [](int x) {
             return std::abs(x) <= 50 ? 1.0 : (std::abs(x) >= 150 && std::abs(x) <= 200 ? 1.0 : 0.0);
         },
         101.0, 0.6, 0.6},
        {"dose nowhere below half the axis dose", [](int) { return 1.0; }, None, None, None},
        // A fall within one cell: 80 % at 50.2 mm, 20 % at 50.8 mm.
        {"falls on the right only", [](int x) { return x <= 50 ? 1.0 : 0.0; }, None, None, 0.6},
        {"no dose on the axis", [](int x) { return x == 0 ? 0.0 : 1.0; }, None, None, None},
        {"not a number on the axis", [nan](int x) { return x == 0 ? nan : 1.0; }, None, None, None},
        // The last cell of the grid takes part: 80 % at 0.8, 20 % at 0.2 from column 0.
        {"falls at the grid's left edge", [](int x) { return x > -AxisColumn ? 1.0 : 0.0; }, None, 0.6, None},
        // The zeros beyond the computed region are no dose: a level not
        // reached inside it is not crossed.
        {"region ends inside the penumbra", Trapezoid(1.0, 50, 20, 20), None, None, None, ComputedRegion{55}},
        {"region ends beyond the 50 % level", Trapezoid(1.0, 50, 20, 20), 120.0, None, None,
         ComputedRegion{62}},
        // A wedged profile, steep on the left, shallow on the right: the width
        // stays, the penumbrae are withheld.
        {"wedged", Trapezoid(1.0, 50, 10, 30), 120.0, None, None, ComputedRegion{}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto grid = RowGrid(c.dose);
        const LateralFigures figures = LateralFiguresOf({grid.get(), c.region, c.wedged}, Row);
        EXPECT_EQ(figures.penumbraeWithheldForWedge, c.wedged);
        ExpectFigure("width at 50 %", figures.width50Mm, c.width50);
        ExpectFigure("left penumbra", figures.leftPenumbraMm, c.leftPenumbra);
        ExpectFigure("right penumbra", figures.rightPenumbraMm, c.rightPenumbra);
    }
    // Rows the chart does not show have no figures.
    const auto grid = RowGrid(Trapezoid(1.0, 50, 20, 20));
    EXPECT_FALSE(LateralFiguresOf({grid.get(), {}}, -1).width50Mm);
    EXPECT_FALSE(LateralFiguresOf({grid.get(), {}}, LastComputedRow + 1).width50Mm);
}

TEST(ProfileFiguresTest, DepthDoseFiguresDownTheColumn) {
    struct Case {
        std::string name;
        std::function<double(int)> dose;
        std::optional<double> depthOfMaximum, dose100, dose200, ratio;
        std::optional<double> ofMaximum100, ofMaximum200;  // in percent of the column's largest dose
        ComputedRegion region{};
    };
    const Case cases[] = {
        // Builds up to 1 at 15 mm, then falls 0.4 % of the target per mm.
        {"build-up and fall", [](int J) { return J <= 15 ? 0.5 + J / 30.0 : 1.0 - 0.004 * (J - 15); }, 15.0,
         66.0, 26.0, 0.26 / 0.66, 66.0, 26.0},
        // A plateau: the shallowest depth of the largest dose.
        {"plateau", [](int J) { return J < 40 ? 0.9 : (J <= 60 ? 1.2 : 0.5); }, 40.0, 50.0, 50.0, 1.0,
         50 / 1.2, 50 / 1.2},
        // Rows below 250 mm are never computed and do not count.
        {"largest below the chart", [](int J) { return J > 250 ? 9.0 : 0.1; }, 0.0, 10.0, 10.0, 1.0, 100.0,
         100.0},
        {"no dose at 100 mm", [](int J) { return J == 100 ? 0.0 : 0.3; }, 0.0, 0.0, 30.0, None, 0.0, 100.0},
        {"no dose at all", [](int) { return 0.0; }, None, 0.0, 0.0, None, None, None},
        // 20 mm off axis, outside a region of +-10 mm: no figure at all.
        {"column not computed", [](int) { return 1.0; }, None, None, None, None, None, None,
         ComputedRegion{10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto grid = ColumnGrid(c.dose);
        const DepthDoseFigures figures = DepthDoseFiguresOf({grid.get(), c.region}, Column);
        std::optional<double> depth;
        if (figures.depthOfMaximumMm) depth = *figures.depthOfMaximumMm;
        ExpectFigure("depth of maximum", depth, c.depthOfMaximum);
        ExpectFigure("D100", figures.dose100, c.dose100);
        ExpectFigure("D200", figures.dose200, c.dose200);
        ExpectFigure("D200 / D100", figures.ratio200to100, c.ratio);
        ExpectFigure("D100 / Dmax", figures.dose100OfMaximum, c.ofMaximum100);
        ExpectFigure("D200 / Dmax", figures.dose200OfMaximum, c.ofMaximum200);
    }
    const auto grid = ColumnGrid([](int) { return 1.0; });
    EXPECT_FALSE(DepthDoseFiguresOf({grid.get(), {}}, -1).dose100);
    EXPECT_FALSE(DepthDoseFiguresOf({grid.get(), {}}, LastChartColumn + 1).dose100);
}

}  // namespace
}  // namespace corvane
