// The chart as image files: the screen picture as PNG or SVG, and the
// printed page as PDF. Each gives its picture, or the fault where Qt could
// not make it; a CalculationFailure of the drawing travels through them, so
// that no partial file is ever written.
#pragma once

#include "chart/DrawChart.h"
#include "chart/DrawingSurface.h"
#include "dose/DoseCalculation.h"
#include "state/Outcome.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace corvane {

// What a picture shows, drawn onto the chart picture's surface: DrawChart,
// or a chart composed of its steps (a reference laid beneath, say).
using ChartDrawing = std::function<void(DrawingSurface& surface)>;

// Why Qt could not make a picture (no memory for it, an encoder that failed).
struct PictureFault {
    std::string reason;
};

// The screen chart of `result` (DrawChart) at `scale` times 997 x 685
// pixels, antialiased.
Outcome<QImage, PictureFault> RenderChartImage(const DoseCalculation& result, ChartMesh mesh, int scale = 1);
Outcome<QImage, PictureFault> RenderChartImage(const ChartDrawing& draw, int scale = 1);

Outcome<QByteArray, PictureFault> ChartPng(const DoseCalculation& result, ChartMesh mesh, int scale = 1);
// A `description` (which beam data, when not the bundled) goes into the
// file's metadata: a PNG text chunk "Description", the SVG's <desc>, the
// PDF's title after "Corvane"; none, and the file is as it always was.
Outcome<QByteArray, PictureFault> ChartPng(const ChartDrawing& draw, int scale = 1,
                                           const QString& description = {});
Outcome<QByteArray, PictureFault> ChartSvg(const DoseCalculation& result, ChartMesh mesh);
Outcome<QByteArray, PictureFault> ChartSvg(const ChartDrawing& draw, const QString& description = {});
// One A4 page at true scale, drawn as the printer draws it.
Outcome<QByteArray, PictureFault> PrintedChartPdf(const DoseCalculation& result,
                                                  const QString& description = {});

// The kinds of chart file, named by the file's extension.
enum class ChartFileFormat {
    Png,  // the chart picture, at a whole-number scale
    Svg,  // the chart picture as SVG
    Pdf,  // the printed page at true scale
};

// The format a file name's extension (.png, .svg or .pdf, in any case)
// asks for; empty for any other extension or none.
std::optional<ChartFileFormat> ChartFileFormatOf(const std::string& path);

// The file's bytes: `picture` drawn as PNG (at `scale`) or SVG, or the
// printed page of `result`, which never shows anything but the chart.
Outcome<QByteArray, PictureFault> ChartFileBytes(ChartFileFormat format, const DoseCalculation& result,
                                                 const ChartDrawing& picture, int scale = 1,
                                                 const QString& description = {});

}  // namespace corvane
