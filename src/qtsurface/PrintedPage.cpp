#include "qtsurface/PrintedPage.h"

#include "qtsurface/PainterSurface.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>

namespace corvane {

QPageLayout PrintedChartPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

void PaintPrintedChart(CalculationState& state, PrintTables& tables, QPainter& painter) {
    PainterSurface surface = PainterSurface::Page(painter);
    DrawPrintedChart(state, tables, surface);
}

} // namespace corvane
