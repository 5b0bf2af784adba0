#include "dose/ProfileFigures.h"

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
// (-1 to the left, +1 to the right): the column, interpolated between the
// last cell at or above the level and the first below it. Empty when the
// row never falls below the level inside the grid.
std::optional<double> Crossing(const DoseMatrix& grid, int row, double level, int step) {
    double before = grid(AxisColumn, row);
    for (int I = AxisColumn + step; I >= 0 && I <= LastChartColumn; I += step) {
        const double d = grid(I, row);
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

DepthDoseFigures DepthDoseFiguresOf(const DoseMatrix& grid, int column) {
    DepthDoseFigures figures;
    if (column < 0 || column > LastChartColumn) return figures;

    int deepest = -1;
    double largest = 0;
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double d = grid(column, J);
        if (!std::isfinite(d)) return figures;
        if (d > largest) {
            largest = d;
            deepest = J;
        }
    }
    if (deepest >= 0) figures.depthOfMaximumMm = deepest;

    const double d100 = grid(column, Depth100);
    const double d200 = grid(column, Depth200);
    figures.dose100 = Finite(Percent * d100);
    figures.dose200 = Finite(Percent * d200);
    if (d100 > 0) figures.ratio200to100 = Finite(d200 / d100);
    return figures;
}

LateralFigures LateralFiguresOf(const DoseMatrix& grid, int row) {
    LateralFigures figures;
    if (row < 0 || row > LastComputedRow) return figures;
    const double axis = grid(AxisColumn, row);
    if (!(axis > 0) || !std::isfinite(axis)) return figures;

    figures.width50Mm = Distance(Crossing(grid, row, 0.5 * axis, -1), Crossing(grid, row, 0.5 * axis, +1));
    figures.leftPenumbraMm =
        Distance(Crossing(grid, row, 0.8 * axis, -1), Crossing(grid, row, 0.2 * axis, -1));
    figures.rightPenumbraMm =
        Distance(Crossing(grid, row, 0.8 * axis, +1), Crossing(grid, row, 0.2 * axis, +1));
    return figures;
}

}  // namespace corvane
