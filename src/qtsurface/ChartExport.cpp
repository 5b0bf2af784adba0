#include "qtsurface/ChartExport.h"

#include "chart/DrawChart.h"
#include "qtsurface/ChartPicture.h"
#include "qtsurface/PainterSurface.h"
#include "qtsurface/PrintedPage.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QScopeGuard>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace corvane {

namespace {

// Ends the painter when the returned guard goes out of scope, on every way
// out, a throw included.
[[nodiscard]] auto EndOnScopeExit(QPainter& painter) {
    return qScopeGuard([&painter] {
        if (painter.isActive()) painter.end();
    });
}

void DrawChartWith(const ChartDrawing& draw, QPainter& painter) {
    PainterSurface surface = PainterSurface::ChartPicture(painter);
    draw(surface);
}

ChartDrawing DesignedChart(const DoseCalculation& result, ChartMesh mesh) {
    return [&result, mesh](DrawingSurface& surface) { DrawChart(result, mesh, surface); };
}

}  // namespace

Outcome<QImage, PictureFault> RenderChartImage(const DoseCalculation& result, ChartMesh mesh, int scale) {
    return RenderChartImage(DesignedChart(result, mesh), scale);
}

Outcome<QByteArray, PictureFault> ChartPng(const DoseCalculation& result, ChartMesh mesh, int scale) {
    return ChartPng(DesignedChart(result, mesh), scale);
}

Outcome<QByteArray, PictureFault> ChartSvg(const DoseCalculation& result, ChartMesh mesh) {
    return ChartSvg(DesignedChart(result, mesh));
}

Outcome<QImage, PictureFault> RenderChartImage(const ChartDrawing& draw, int scale) {
    scale = std::max(1, scale);
    QImage image(ChartPictureWidth * scale, ChartPictureHeight * scale, QImage::Format_RGB32);
    if (image.isNull()) return Fail(PictureFault{"not enough memory for the picture"});
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto endPainter = EndOnScopeExit(painter);
    painter.scale(scale, scale);
    DrawChartWith(draw, painter);
    return image;
}

Outcome<QByteArray, PictureFault> ChartPng(const ChartDrawing& draw, int scale, const QString& description) {
    Outcome<QImage, PictureFault> image = RenderChartImage(draw, scale);
    if (!image) return Fail(image.error());
    if (!description.isEmpty()) image->setText(QStringLiteral("Description"), description);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image->save(&buffer, "PNG")) return Fail(PictureFault{"the PNG could not be encoded"});
    return bytes;
}

Outcome<QByteArray, PictureFault> ChartSvg(const ChartDrawing& draw, const QString& description) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(ChartPictureSize());
    generator.setViewBox(QRect(QPoint(0, 0), ChartPictureSize()));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Corvane"));
    // QSvgGenerator writes the text into <desc> as it is.
    if (!description.isEmpty()) generator.setDescription(description.toHtmlEscaped());
    {
        QPainter painter(&generator);
        const auto endPainter = EndOnScopeExit(painter);
        DrawChartWith(draw, painter);
    }
    return bytes;
}

Outcome<QByteArray, PictureFault> PrintedChartPdf(const DoseCalculation& result, const QString& description) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(PrintedChartPageLayout());
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Corvane"));
    writer.setTitle(description.isEmpty() ? QStringLiteral("Corvane")
                                          : QStringLiteral("Corvane, ") + description);
    {
        QPainter painter;
        if (!painter.begin(&writer)) return Fail(PictureFault{"the PDF could not be started"});
        const auto endPainter = EndOnScopeExit(painter);
        PaintPrintedChart(result, painter);
    }
    return bytes;
}

std::optional<ChartFileFormat> ChartFileFormatOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") return ChartFileFormat::Png;
    if (extension == "svg") return ChartFileFormat::Svg;
    if (extension == "pdf") return ChartFileFormat::Pdf;
    return std::nullopt;
}

Outcome<QByteArray, PictureFault> ChartFileBytes(ChartFileFormat format, const DoseCalculation& result,
                                                 const ChartDrawing& picture, int scale,
                                                 const QString& description) {
    switch (format) {
    case ChartFileFormat::Png: return ChartPng(picture, scale, description);
    case ChartFileFormat::Svg: return ChartSvg(picture, description);
    case ChartFileFormat::Pdf: break;
    }
    // The printed page reads the grid only: no screen chart is drawn.
    return PrintedChartPdf(result, description);
}

}  // namespace corvane
