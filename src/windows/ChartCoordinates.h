// The mouse's view of the chart picture: pixel positions in chart units and
// the chart area 0..500 by 0..250 inside the picture's -80..581 by -150..300.
#pragma once

#include "qtsurface/ChartPicture.h"

#include <cmath>

namespace corvane {

// The picture box's border round its 997 x 685 pixel inner area.
constexpr int PictureBorder = 2;

// A pixel position inside the inner area in chart units, in single
// precision as the mouse handler receives it.
inline float PixelToChartX(double px) { return -80.0f + static_cast<float>(px) * 661.0f / 997.0f; }
inline float PixelToChartY(double py) { return -150.0f + static_cast<float>(py) * 450.0f / 685.0f; }

// Strict comparisons: the edges 0, 500 and 250 belong to the chart.
inline bool IsOutsideChart(float x, float y) { return x < 0.0f || x > 500.0f || y < 0.0f || y > 250.0f; }

// The chart cell under a point inside the chart: rounded down, never to nearest.
inline int ChartCell(float value) { return static_cast<int>(std::floor(value)); }

}  // namespace corvane
