#include "qtsurface/PrintedPage.h"

#include "qtsurface/PainterSurface.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>

namespace corvane {

QPageLayout PrintedChartPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

PrintTables PaintPrintedChart(const DoseCalculation& result, QPainter& painter) {
    // What lies outside the drawable area is clipped, as on paper: the flanks
    // of wide fields start far left or right of the printed window.
    if (const QPaintDevice* device = painter.device(); device != nullptr)
        painter.setClipRect(QRect(0, 0, device->width(), device->height()));
    PainterSurface surface = PainterSurface::Page(painter);
    return DrawPrintedChart(result, surface);
}

}  // namespace corvane
