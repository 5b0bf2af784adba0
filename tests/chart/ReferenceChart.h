// A literal, cell-by-cell transcription of the curve passes of the screen
// chart and the printed page, written for the tests only: slow, with no shared row
// scans, so that the real tracing can be compared with it operation by
// operation on any grid.
#pragma once

#include "chart/DrawChart.h"
#include "chart/DrawingSurface.h"
#include "state/CalculationState.h"

namespace corvane::test {

// The whole screen chart; throws CalculationFailure where the screen chart
// must stop (any subscript outside DoseGrid, an equal pair of cells in a
// closing interpolation, a non-finite value).
void ReferenceDrawChart(CalculationState& state, DrawingSurface& surface);

// The whole printed page, which never fails: its closing pass clamps the
// column range to 0..500 and skips a column whose two cells are equal.
void ReferenceDrawPrintedChart(CalculationState& state, PrintTables& tables, DrawingSurface& surface);

}  // namespace corvane::test
