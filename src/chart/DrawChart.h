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
// The printed page never fails: it clamps the closing pass's column range to
// 0..500 and never reads outside DoseGrid, where the original read past
// the matrix and crashed on fields wider than the printed window.
void DrawPrintedChart(CalculationState& state, PrintTables& tables, DrawingSurface& surface);

}  // namespace corvane
