// The isodose chart traced from a calculation's DoseGrid, on screen and on
// the printed page. Every function reads the result through a const
// reference and keeps nothing: the tracing's scratch values and curve tables
// live in a tracer made for one drawing, so that any number of threads may
// draw at once, each onto its own surface.
#pragma once

#include "chart/DrawingSurface.h"
#include "dose/DoseCalculation.h"

#include <array>

namespace corvane {

// The background mesh of the screen chart; "Change mesh size" switches it.
enum class ChartMesh : int { FiveCm = 0, OneCm = 1 };

// One table per coordinate, index [trace][level]: trace 0 is the flank reached
// from the left edge, trace 1 the one from the right; level k is k x 10 %.
// -1 means "no such point".
using CurveTable = std::array<std::array<double, 21>, 2>;

constexpr CurveTable MakeNoCurvePoints() {
    CurveTable table{};
    for (auto& trace : table)
        for (double& point : trace) point = -1;
    return table;
}
inline constexpr CurveTable NoCurvePoints = MakeNoCurvePoints();

// What the tracer of a screen chart leaves when it ends: the first point and
// the last segment end of each flank of each level, and its scratch values
// as the last level left them.
struct CurveTables {
    CurveTable CurveStartX = NoCurvePoints;
    CurveTable CurveStartY = NoCurvePoints;
    CurveTable CurveEndX = NoCurvePoints;
    CurveTable CurveEndY = NoCurvePoints;
    int CurveColour = 0;  // palette number of the last level drawn
    double SegmentStartX = 0;
    double SegmentEndX = 0;
    double SegmentStartY = 0;
    double SegmentEndY = 0;
};

// The same of the printed page, whose curves have no colour of their own.
struct PrintTables {
    CurveTable PrintStartX = NoCurvePoints;
    CurveTable PrintStartY = NoCurvePoints;
    CurveTable PrintEndX = NoCurvePoints;
    CurveTable PrintEndY = NoCurvePoints;
    double SegmentStartX = 0;
    double SegmentEndX = 0;
    double SegmentStartY = 0;
    double SegmentEndY = 0;
};

// The screen chart: grids, frame, axis, target, labels, the 20 isodose
// levels, symbols and captions; the captions and symbols from the
// conditions the result was computed from. Returns the tracer's tables.
// Throws CalculationFailure; what was drawn before a failure stays drawn.
//
// DrawChart is these four steps in this order:
//     DrawChartFramework(result.Conditions, mesh, surface);
//     DrawChartCurves(result, surface);
//     DrawChartSymbols(result.Conditions, surface);
//     DrawChartCaptions(result.Conditions, surface);
// A chart that shows more composes them itself, for instance a second set
// of curves drawn between the framework and the current curves. Every step
// draws in chart units (x = 0..500 across, y = 0..250 down, 1 mm each, the
// central axis at x = 250). The symbols and captions draw in the foreground
// colour, which the curves step leaves black.
CurveTables DrawChart(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface);

// Clears the picture, then draws the background: the 1 cm grid (with
// ChartMesh::OneCm), the 5 cm grid with its ticks, the frame, the central
// axis, the target marker and the depth and off-centre labels. Throws
// CalculationFailure for a target depth that gives no finite row.
void DrawChartFramework(const IrradiationConditions& conditions, ChartMesh mesh, DrawingSurface& surface);

// The isodose curves of result.DoseGrid, levels 10 % to 200 %, each in its
// level's colour: the left flanks (a level found gets its label in the
// column x = 520), the right flanks, then the lines that close each curve at
// its top and bottom. Ends with the foreground colour black. Throws
// CalculationFailure where the tracing would read outside the grid, divide
// by zero or meet a non-finite value; what was drawn before stays drawn.
CurveTables DrawChartCurves(const DoseCalculation& result, DrawingSurface& surface);

// The beam head above the phantom and, for a wedge, the wedge symbol.
void DrawChartSymbols(const IrradiationConditions& conditions, DrawingSurface& surface);

// The field size, set-up and wedge captions at the top right.
void DrawChartCaptions(const IrradiationConditions& conditions, DrawingSurface& surface);

// The printed page, from its page set-up to the end of the document: the
// window 150..350 at 1 mm per unit, all in the foreground colour, with the
// captions and symbols of result.Conditions. Returns the tracer's tables.
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
PrintTables DrawPrintedChart(const DoseCalculation& result, DrawingSurface& surface);

}  // namespace corvane
