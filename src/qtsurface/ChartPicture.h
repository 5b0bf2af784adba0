// The chart picture's fixed geometry: 997 x 685 pixels showing chart x
// -80..581 and y -150..300, y growing downwards, with the chart area inside.
#pragma once

#include <QPointF>
#include <QSize>

namespace corvane {

inline constexpr int ChartPictureWidth = 997;
inline constexpr int ChartPictureHeight = 685;
inline constexpr double ChartPictureLeft = -80;
inline constexpr double ChartPictureTop = -150;
inline constexpr double ChartPictureUnitsWide = 661;
inline constexpr double ChartPictureUnitsHigh = 450;

// The chart area, where the dose grid is drawn, in chart units: x 0..500
// and y 0..250.
inline constexpr int ChartAreaLeft = 0;
inline constexpr int ChartAreaTop = 0;
inline constexpr int ChartAreaRight = 500;
inline constexpr int ChartAreaBottom = 250;

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
