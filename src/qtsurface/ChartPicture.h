// The chart picture's fixed geometry: 997 x 685 pixels showing chart x
// -80..581 and y -150..300, y growing downwards, with the chart area inside.
#pragma once

#include "chart/ChartReadout.h"

#include <QPointF>
#include <QSize>

namespace corvane {

inline constexpr int ChartPictureWidth = 997;
inline constexpr int ChartPictureHeight = 685;
// The user window and the chart area are the core's (chart/ChartReadout.h).

inline QSize ChartPictureSize() { return {ChartPictureWidth, ChartPictureHeight}; }

// A pixel position inside the picture in chart units, as the cursor
// readout takes it.
inline QPointF ChartPixelToUser(QPointF pixel) {
    return {ChartPictureLeft + pixel.x() * ChartPictureUnitsWide / ChartPictureWidth,
            ChartPictureTop + pixel.y() * ChartPictureUnitsHigh / ChartPictureHeight};
}

// Where a chart point lies in the picture, in (fractional) pixels.
inline QPointF ChartUserToPixel(QPointF user) {
    return {(user.x() - ChartPictureLeft) * ChartPictureWidth / ChartPictureUnitsWide,
            (user.y() - ChartPictureTop) * ChartPictureHeight / ChartPictureUnitsHigh};
}

}  // namespace corvane
