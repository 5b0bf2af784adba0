// The mouse's view of the chart picture: pixel positions in chart units.
// The rules (the inside test, the cell under a point) are the core's, in
// chart/ChartReadout.h, which the browser page uses too.
#pragma once

#include "chart/ChartReadout.h"
#include "qtsurface/ChartPicture.h"

namespace corvane {

// The picture box's border round the picture's inner area.
constexpr int PictureBorder = 2;

// A pixel position inside the inner area in chart units, in single
// precision as the mouse handler receives it.
inline float PixelToChartX(double px) { return BoxToChartX(px, ChartPictureWidth); }
inline float PixelToChartY(double py) { return BoxToChartY(py, ChartPictureHeight); }

}  // namespace corvane
