// The isodose chart traced from DoseGrid, on screen and on the printed page.
#pragma once

#include "chart/DrawingSurface.h"
#include "state/CalculationState.h"

namespace corvane {

// The screen chart: grids, frame, axis, target, labels, the 20 isodose
// levels, symbols and captions. Throws CalculationFailure; what was drawn
// before a failure stays drawn.
//
// DrawChart is these four steps in this order:
//     DrawChartFramework(state, surface);
//     DrawChartCurves(state, surface);
//     DrawChartSymbols(state.Conditions, surface);
//     DrawChartCaptions(state.Conditions, surface);
// A chart that shows more composes them itself, for instance a second set
// of curves drawn between the framework and the current curves. Every step
// draws in chart units (x = 0..500 across, y = 0..250 down, 1 mm each, the
// central axis at x = 250). The symbols and captions draw in the foreground
// colour, which the curves step leaves black.
void DrawChart(CalculationState& state, DrawingSurface& surface);

// Clears the picture, then draws the background: the 1 cm grid (with
// MeshMode OneCm), the 5 cm grid with its ticks, the frame, the central axis,
// the target marker and the depth and off-centre labels. Throws
// CalculationFailure for a target depth that gives no finite row.
void DrawChartFramework(const CalculationState& state, DrawingSurface& surface);

// The isodose curves of state.DoseGrid, levels 10 % to 200 %, each in its
// level's colour: the left flanks (a level found gets its label in the
// column x = 520), the right flanks, then the lines that close each curve at
// its top and bottom. Fills state.Curves and the curve fields of
// state.Chart; ends with the foreground colour black. Throws
// CalculationFailure where the tracing would read outside the grid, divide
// by zero or meet a non-finite value; what was drawn before stays drawn.
void DrawChartCurves(CalculationState& state, DrawingSurface& surface);

// The beam head above the phantom and, for a wedge, the wedge symbol.
void DrawChartSymbols(const IrradiationConditions& conditions, DrawingSurface& surface);

// The field size, set-up and wedge captions at the top right.
void DrawChartCaptions(const IrradiationConditions& conditions, DrawingSurface& surface);

// The printed page's own work tables, index [trace][level].
struct PrintTables {
    CurveTable PrintStartX{};
    CurveTable PrintStartY{};
    CurveTable PrintEndX{};
    CurveTable PrintEndY{};
};

// The printed page, from its page set-up to the end of the document: the
// window 150..350 at 1 mm per unit, all in the foreground colour.
//
// The line setting (DrawingSurface::DrawWidth) of the printed page:
// setting n draws solid lines n x 0.1 mm wide on the page. So DrawWidth(1)
// = a 0.1 mm line (the 1 cm grid) and DrawWidth(4) = a 0.4 mm line (the
// central axis, the curves, the target marker and the wedge symbol). The
// width is in page millimetres, whatever the device resolution (0.1 mm is
// about 2.4 dots at 600 dpi); a surface that shows the page scaled down may
// draw no line thinner than one device pixel. Only the printed page calls
// DrawWidth, after ScaleModeMillimetres; the screen chart keeps its
// 1-pixel pen. The three further page settings of value 1 (two after
// the scale, one after the font size) are the defaults of this surface:
// solid lines, transparent text background and one copy; they are not
// separate operations and are not recorded.
//
// The printed page never fails: the closing pass clamps its column range to
// 0..500 so that it never reads outside DoseGrid, even for a field wider than
// the printed window, whose flanks may start far outside it.
void DrawPrintedChart(CalculationState& state, PrintTables& tables, DrawingSurface& surface);

}  // namespace corvane
