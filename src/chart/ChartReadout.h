// The chart picture's user window and the cursor readout on it: where a
// point of the picture lies in chart units, whether it is in the chart area,
// the cell under it, the arrow keys' steps and the texts of the three
// readout boxes. The chart window and the browser page both read the chart
// through these rules, so a point of the picture means the same cell in both.
#pragma once

#include "dose/DoseCalculation.h"

#include <string>
#include <string_view>

namespace corvane {

// The picture shows x from -80 to 581 and y from -150 to 300 (y down).
inline constexpr double ChartPictureLeft = -80;
inline constexpr double ChartPictureTop = -150;
inline constexpr double ChartPictureUnitsWide = 661;
inline constexpr double ChartPictureUnitsHigh = 450;

// The chart area, where the dose grid is drawn: x 0..500 and y 0..250.
inline constexpr int ChartAreaLeft = 0;
inline constexpr int ChartAreaTop = 0;
inline constexpr int ChartAreaRight = 500;
inline constexpr int ChartAreaBottom = 250;

// A point of the chart area is a cell of the dose grid: the readout and the
// arrow keys index the grid with it.
static_assert(ChartAreaLeft == 0 && ChartAreaRight == LastChartColumn);
static_assert(ChartAreaTop == 0 && ChartAreaBottom == LastComputedRow);

// A point `offset` from the left (top) edge of a box that shows the whole
// picture `boxSize` wide (high), in chart units and in single precision, as
// the mouse handler receives it: the picture's numbers (all exact in float)
// are taken as floats, and the offset is multiplied by the units before it
// is divided by the box's size.
inline float BoxToChartX(double offset, double boxWidth) {
    constexpr auto left = static_cast<float>(ChartPictureLeft);
    constexpr auto units = static_cast<float>(ChartPictureUnitsWide);
    return left + static_cast<float>(offset) * units / static_cast<float>(boxWidth);
}
inline float BoxToChartY(double offset, double boxHeight) {
    constexpr auto top = static_cast<float>(ChartPictureTop);
    constexpr auto units = static_cast<float>(ChartPictureUnitsHigh);
    return top + static_cast<float>(offset) * units / static_cast<float>(boxHeight);
}

// Strict comparisons: the chart area's edges belong to the chart.
inline bool IsOutsideChart(float x, float y) {
    return x < ChartAreaLeft || x > ChartAreaRight || y < ChartAreaTop || y > ChartAreaBottom;
}

// The chart cell under a point inside the chart: rounded down, never to nearest.
int ChartCell(float value);

// The cross-hair of the chart window: set by a mouse move inside the chart
// area, kept by a move outside it.
struct ChartCursor {
    bool CursorInChart = false;
    float CursorX = 0;  // a whole number 0..500
    float CursorY = 0;  // a whole number 0..250
};

enum class CursorKey { Left, Up, Right, Down };

// One arrow key: the cross-hair moves one cell while it is in the chart and
// not at the chart area's edge in that direction. False, and nothing
// changed, otherwise.
bool StepCursor(ChartCursor& cursor, CursorKey key);

// The three boxes of the readout for the cell (ix, iy) of the chart area:
// the off-centre distance and the depth as plain whole numbers, and the dose
// box ("##0.0" of 100 x the cell with `decimalSeparator`, empty where the
// cell is not above 0 or is not a finite number).
struct ReadoutTexts {
    std::string offCentre;
    std::string depth;
    std::string dose;
};
ReadoutTexts ReadoutTextsAt(const DoseMatrix& grid, int ix, int iy, std::string_view decimalSeparator);

}  // namespace corvane
