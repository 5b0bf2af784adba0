// The mouse's view of the chart picture: pixel positions in chart units, and
// whether a point lies in the chart area. The numbers are the picture's own,
// from qtsurface/ChartPicture.h.
#pragma once

#include "qtsurface/ChartPicture.h"
#include "state/GridGeometry.h"

#include <cmath>

namespace corvane {

// The picture box's border round the picture's inner area.
constexpr int PictureBorder = 2;

// A point of the chart area is a cell of the dose grid: the readout and the
// arrow keys index the grid with it.
static_assert(ChartAreaLeft == 0 && ChartAreaRight == LastChartColumn);
static_assert(ChartAreaTop == 0 && ChartAreaBottom == LastComputedRow);

// A pixel position inside the inner area in chart units, in single
// precision as the mouse handler receives it: the picture's numbers (all
// exact in float) are taken as floats, and the position is multiplied by the
// units before it is divided by the pixels.
inline float PixelToChartX(double px) {
    constexpr auto left = static_cast<float>(ChartPictureLeft);
    constexpr auto units = static_cast<float>(ChartPictureUnitsWide);
    constexpr auto pixels = static_cast<float>(ChartPictureWidth);
    return left + static_cast<float>(px) * units / pixels;
}
inline float PixelToChartY(double py) {
    constexpr auto top = static_cast<float>(ChartPictureTop);
    constexpr auto units = static_cast<float>(ChartPictureUnitsHigh);
    constexpr auto pixels = static_cast<float>(ChartPictureHeight);
    return top + static_cast<float>(py) * units / pixels;
}

// Strict comparisons: the chart area's edges belong to the chart.
inline bool IsOutsideChart(float x, float y) {
    return x < ChartAreaLeft || x > ChartAreaRight || y < ChartAreaTop || y > ChartAreaBottom;
}

// The chart cell under a point inside the chart: rounded down, never to nearest.
inline int ChartCell(float value) { return static_cast<int>(std::floor(value)); }

}  // namespace corvane
