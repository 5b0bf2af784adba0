// A literal, cell-by-cell transcription of the curve passes of the screen
// chart and the printed page, written for the tests only: slow, with no shared row
// scans, so that the real tracing can be compared with it operation by
// operation on any grid.
#pragma once

#include "chart/DrawChart.h"
#include "chart/DrawingSurface.h"
#include "dose/DoseCalculation.h"

namespace corvane::test {

// The whole screen chart; throws CalculationFailure where the screen chart
// must stop (any subscript outside DoseGrid, an equal pair of cells in a
// closing interpolation, a non-finite value).
void ReferenceDrawChart(const DoseCalculation& result, ChartMesh mesh, CurveTables& tables,
                        DrawingSurface& surface);

// The whole printed page, which never fails: its closing pass clamps the
// column range to 0..500 and skips a column whose two cells are equal.
void ReferenceDrawPrintedChart(const DoseCalculation& result, PrintTables& tables, DrawingSurface& surface);

}  // namespace corvane::test
