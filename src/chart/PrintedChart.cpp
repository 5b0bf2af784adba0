// DrawPrintedChart: the printed page from its page set-up to the end of the
// document (the question box before it and the button state after it belong
// to the window's PrintChart).
//
// Choices made here:
// - The line setting: DrawWidth(n) is a solid line n x 0.1 mm wide on the
//   page, so 1 = 0.1 mm for the 1 cm grid and 4 = 0.4 mm for the central
//   axis, the curves, the target marker and the wedge symbol. Thin enough for
//   the grid to stay in the background, thick enough for the curves to read
//   well (see DrawChart.h; the Qt surface implements it).
// - The three further page settings of value 1 (two after the scale, one
//   after the font size) are the surface's defaults: solid lines, a
//   transparent text background and one copy. They are not operations of
//   DrawingSurface and are not recorded.
// - A closing interpolation whose two cells are equal does not fail: the
//   column adds no point and the line goes on from the last point drawn,
//   rather than dividing by zero. The page never fails and never reads outside
//   DoseGrid: the closing pass's column range is clamped to 0..500 in double
//   before it becomes an integer. For a field wider than the window (30 x 30
//   cm) a flank may start from a crossing extrapolated far outside the
//   window (near x = -21448); such points are drawn as computed and the
//   surface clips them.
#include "chart/DrawChart.h"

#include "chart/CurveTracing.h"

namespace corvane {

namespace {

using chart_detail::CurveTracer;
using chart_detail::Foreground;
using chart_detail::LevelCount;
using chart_detail::PrintAt;

// Millimetres, with the page's top edge at y = -36 (room for the captions
// above the chart) and its left edge at x = 150, the left end of the printed
// window; the captions' font; thin lines for the grid.
void SetUpPage(DrawingSurface& surface) {
    surface.ScaleModeMillimetres();
    surface.ScaleTop(-36);
    surface.ScaleLeft(150);
    surface.Font("Times New Roman", 16);
    surface.DrawWidth(1);
}

// The 1 cm grid over the window, whose outer lines are the frame; then thick
// lines from the central axis on, which rises 30 mm above the chart, through
// the wedge symbol.
void DrawPageFramework(DrawingSurface& surface) {
    for (int x = 150; x <= 350; x += 10) surface.Line(x, 0, x, 250, Foreground);
    for (int y = 0; y <= 250; y += 10) surface.Line(150, y, 350, y, Foreground);
    surface.DrawWidth(4);
    surface.Line(250, -30, 250, 250, Foreground);
}

// The curves of the 20 levels inside the window: left flanks, right flanks,
// closing lines; no labels and no colours. The tables start empty (-1), so
// that a level without a curve leaves nothing for the closing pass.
PrintTables DrawPageCurves(const DoseCalculation& result, DrawingSurface& surface) {
    CurveTracer tracer(result, surface, chart_detail::PrintBounds, chart_detail::TraceMode::Printed);
    for (int k = 1; k <= LevelCount; ++k) tracer.TraceLeftFlank(k);
    for (int k = 1; k <= LevelCount; ++k) tracer.TraceRightFlank(k);
    for (int k = 1; k <= LevelCount; ++k) tracer.CloseCurve(k);
    return tracer.PageTables();
}

// The target marker, radius 1, at the depth itself (the screen rounds it
// down to a whole row), and the wedge symbol, smaller than on the screen.
void DrawPageSymbols(const IrradiationConditions& conditions, DrawingSurface& surface) {
    surface.Circle(250, 10 * conditions.Depth, 1, Foreground);
    if (HasWedge(conditions.WedgeKind)) {
        surface.Line(180, -25, 320, -25, Foreground);
        surface.LineTo(320, -10, Foreground);
        surface.LineTo(180, -25, Foreground);
    }
}

// The field size and the set-up at the top left; the wedge caption only for
// a wedge, to the right of the axis.
void DrawPageCaptions(const IrradiationConditions& conditions, DrawingSurface& surface) {
    PrintAt(surface, 160, -12,
            "Field size = " + chart_detail::FieldSizeCaption(conditions.FieldWidth, conditions.FieldLength));
    PrintAt(surface, 160, -20, chart_detail::SetupCaption(conditions.Setup));
    if (const char* wedge = chart_detail::PageWedgeCaption(conditions.WedgeKind)) PrintAt(surface, 270, -24, wedge);
}

}  // namespace

PrintTables DrawPrintedChart(const DoseCalculation& result, DrawingSurface& surface) {
    SetUpPage(surface);
    DrawPageFramework(surface);
    PrintTables tables = DrawPageCurves(result, surface);
    DrawPageSymbols(result.Conditions, surface);
    DrawPageCaptions(result.Conditions, surface);
    surface.EndDoc();
    return tables;
}

}  // namespace corvane
