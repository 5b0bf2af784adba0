// The chart as image files: the screen picture as PNG or SVG, and the
// printed page as PDF. All throw CalculationFailure from the drawing and
// then return nothing, so that no partial file is ever written.
#pragma once

#include "chart/DrawingSurface.h"
#include "state/CalculationState.h"

#include <QByteArray>
#include <QImage>

#include <functional>

namespace corvane {

// What a picture shows, drawn onto the chart picture's surface: DrawChart,
// or a chart composed of its steps (a reference laid beneath, say).
using ChartDrawing = std::function<void(DrawingSurface& surface)>;

// The screen chart at `scale` times 997 x 685 pixels, antialiased.
QImage RenderChartImage(CalculationState& state, int scale = 1);
QImage RenderChartImage(const ChartDrawing& draw, int scale = 1);

QByteArray ChartPng(CalculationState& state, int scale = 1);
QByteArray ChartPng(const ChartDrawing& draw, int scale = 1);
QByteArray ChartSvg(CalculationState& state);
QByteArray ChartSvg(const ChartDrawing& draw);
// One A4 page at true scale, drawn as the printer draws it.
QByteArray PrintedChartPdf(CalculationState& state);

}  // namespace corvane
