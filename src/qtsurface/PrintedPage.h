// The printed chart on a printer page, through the same surface whatever
// the device: a real printer or a PDF file.
#pragma once

#include "chart/DrawChart.h"
#include "dose/DoseCalculation.h"

#include <QPageLayout>

class QPainter;

namespace corvane {

// A4 portrait with 5 mm margins: a drawable area of 200 x 287 mm, enough
// for the page's 200 x 286 mm at true scale.
QPageLayout PrintedChartPageLayout();

// Draws the printed page on `painter`, which is begun on a printer or PDF
// writer and has its origin at the drawable area's top-left corner (Qt's
// default for both). The page's EndDoc ends the painter, which finishes the
// document; it is the caller's to abort the device if this throws.
PrintTables PaintPrintedChart(const DoseCalculation& result, QPainter& painter);

}  // namespace corvane
