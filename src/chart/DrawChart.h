// The isodose chart traced from DoseGrid, on screen and on the printed page.
#pragma once

#include "chart/DrawingSurface.h"
#include "state/CalculationState.h"

namespace corvane {

// The screen chart: grids, frame, axis, target, labels, the 20 isodose
// levels, symbols and captions. Throws CalculationFailure; what was drawn
// before a failure stays drawn.
void DrawChart(CalculationState& state, DrawingSurface& surface);

// The printed page's own work tables, index [trace][level].
struct PrintTables {
    CurveTable PrintStartX{};
    CurveTable PrintStartY{};
    CurveTable PrintEndX{};
    CurveTable PrintEndY{};
};

// The printed page, from its page set-up to the end of the document: the
// window 150..350 at 1 mm per unit, all in the foreground colour.
void DrawPrintedChart(CalculationState& state, PrintTables& tables, DrawingSurface& surface);

} // namespace corvane
