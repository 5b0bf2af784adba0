#include "dose/ProfileFigures.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double Percent = 100;
constexpr int Depth100 = 100;
constexpr int Depth200 = 200;

std::optional<double> Finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// Where row J first falls below `level`, walking from the axis by `step`
// (-1 to the left, +1 to the right) as far as the computed region reaches:
// the column, interpolated between the last cell at or above the level and
// the first below it. Empty when the row never falls below the level there.
std::optional<double> Crossing(const ProfileGrid& grid, int row, double level, int step) {
    const DoseMatrix& cells = *grid.cells;
    const int first = std::max(grid.region.firstColumn(), 0);
    const int last = std::min(grid.region.lastColumn(), LastChartColumn);
    double before = cells(AxisColumn, row);
    for (int I = AxisColumn + step; I >= first && I <= last; I += step) {
        const double d = cells(I, row);
        if (d < level) {
            // before >= level > d, so the divisor is above 0.
            const double fraction = (before - level) / (before - d);
            return Finite((I - step) + step * fraction);
        }
        if (!std::isfinite(d)) return std::nullopt;
        before = d;
    }
    return std::nullopt;
}

std::optional<double> Distance(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) return std::nullopt;
    return Finite(std::abs(*b - *a));
}

}  // namespace

ComputedRegion ComputedRegionOf(const DoseCalculation& result) {
    return ComputedRegion{std::clamp(result.HalfWidthSteps, 0, AxisColumn)};
}

ProfileGrid ProfileGridOf(const DoseCalculation& result) {
    return ProfileGrid{&result.DoseGrid, ComputedRegionOf(result), HasWedge(result.Conditions.WedgeKind)};
}

DepthDoseFigures DepthDoseFiguresOf(const ProfileGrid& grid, int column) {
    DepthDoseFigures figures;
    if (column < 0 || column > LastChartColumn || !grid.region.containsColumn(column)) return figures;
    const DoseMatrix& cells = *grid.cells;

    int deepest = -1;
    double largest = 0;
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double d = cells(column, J);
        if (!std::isfinite(d)) return figures;
        if (d > largest) {
            largest = d;
            deepest = J;
        }
    }
    if (deepest >= 0) figures.depthOfMaximumMm = deepest;

    const double d100 = cells(column, Depth100);
    const double d200 = cells(column, Depth200);
    figures.dose100 = Finite(Percent * d100);
    figures.dose200 = Finite(Percent * d200);
    if (d100 > 0) figures.ratio200to100 = Finite(d200 / d100);
    if (largest > 0) {
        figures.dose100OfMaximum = Finite(Percent * d100 / largest);
        figures.dose200OfMaximum = Finite(Percent * d200 / largest);
    }
    return figures;
}

LateralFigures LateralFiguresOf(const ProfileGrid& grid, int row) {
    LateralFigures figures;
    figures.penumbraeWithheldForWedge = grid.wedged;
    if (row < 0 || row > LastComputedRow) return figures;
    const double axis = (*grid.cells)(AxisColumn, row);
    if (!(axis > 0) || !std::isfinite(axis)) return figures;

    figures.width50Mm = Distance(Crossing(grid, row, 0.5 * axis, -1), Crossing(grid, row, 0.5 * axis, +1));
    if (grid.wedged) return figures;
    figures.leftPenumbraMm =
        Distance(Crossing(grid, row, 0.8 * axis, -1), Crossing(grid, row, 0.2 * axis, -1));
    figures.rightPenumbraMm =
        Distance(Crossing(grid, row, 0.8 * axis, +1), Crossing(grid, row, 0.2 * axis, +1));
    return figures;
}

}  // namespace corvane
