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
#include <stdexcept>

namespace corvane {

namespace {

// Ends the painter when the returned guard goes out of scope, on every way
// out, a throw included.
[[nodiscard]] auto EndOnScopeExit(QPainter& painter) {
    return qScopeGuard([&painter] {
        if (painter.isActive()) painter.end();
    });
}

void DrawChartWith(CalculationState& state, QPainter& painter) {
    PainterSurface surface = PainterSurface::ChartPicture(painter);
    DrawChart(state, surface);
}

}  // namespace

QImage RenderChartImage(CalculationState& state, int scale) {
    scale = std::max(1, scale);
    QImage image(ChartPictureWidth * scale, ChartPictureHeight * scale, QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error("not enough memory for the picture");
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto endPainter = EndOnScopeExit(painter);
    painter.scale(scale, scale);
    DrawChartWith(state, painter);
    return image;
}

QByteArray ChartPng(CalculationState& state, int scale) {
    const QImage image = RenderChartImage(state, scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw std::runtime_error("the PNG could not be encoded");
    return bytes;
}

QByteArray ChartSvg(CalculationState& state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(ChartPictureSize());
    generator.setViewBox(QRect(QPoint(0, 0), ChartPictureSize()));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Corvane"));
    {
        QPainter painter(&generator);
        const auto endPainter = EndOnScopeExit(painter);
        DrawChartWith(state, painter);
    }
    return bytes;
}

QByteArray PrintedChartPdf(CalculationState& state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(PrintedChartPageLayout());
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Corvane"));
    writer.setTitle(QStringLiteral("Corvane"));
    {
        QPainter painter;
        if (!painter.begin(&writer)) throw std::runtime_error("the PDF could not be started");
        const auto endPainter = EndOnScopeExit(painter);
        PrintTables tables;
        PaintPrintedChart(state, tables, painter);
    }
    return bytes;
}

}  // namespace corvane
