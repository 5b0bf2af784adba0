// DrawChart: the screen chart, drawn in its fixed order from Cls to the captions.
#include "chart/DrawChart.h"

#include "chart/CurveTracing.h"
#include "chart/Palette.h"
#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"

#include <cmath>
#include <string>

namespace corvane {

namespace {

using chart_detail::CurveTracer;
using chart_detail::FieldSizeCaption;
using chart_detail::Foreground;
using chart_detail::LevelColour;
using chart_detail::LevelCount;
using chart_detail::PrintAt;
using chart_detail::SetupCaption;

}  // namespace

void DrawChart(CalculationState& state, DrawingSurface& surface) {
    const IrradiationConditions& conditions = state.Conditions;

    // 1.
    surface.Cls();

    // 2. The 1 cm grid, only with MeshMode 1.
    if (state.MeshMode == ChartMesh::OneCm) {
        for (int x = 10; x <= 490; x += 10) surface.Line(x, 0, x, 250, ColourGrid);
        for (int y = 10; y <= 240; y += 10) surface.Line(0, y, 500, y, ColourGrid);
    }

    // 3. The 5 cm grid and the ticks.
    for (int x = 0; x <= 500; x += 50) {
        surface.Line(x, 0, x, 250, ColourGrid);
        surface.Line(x, 0, x, 5, Foreground);
        surface.Line(x, 250, x, 245, Foreground);
    }
    for (int y = 0; y <= 250; y += 50) {
        surface.Line(0, y, 500, y, ColourGrid);
        surface.Line(0, y, 5, y, Foreground);
        surface.Line(500, y, 495, y, Foreground);
    }

    // 4. Frame. 5. Central axis, from the picture's top edge to 2 below the chart.
    surface.Box(0, 0, 500, 250);
    surface.Line(250, -150, 250, 252, Foreground);

    // 6. Target marker at the target row, Int(10 x Depth).
    const double targetRow = std::floor(10 * conditions.Depth);
    if (!std::isfinite(targetRow)) throw CalculationFailure("chart drawing: a non-finite target depth");
    surface.Circle(250, targetRow, 2, ColourLightRed);

    // 7. Depth labels. 8. Off-centre labels, at y = 251.
    PrintAt(surface, -10, -8, "0");
    PrintAt(surface, -10, 42, "5");
    PrintAt(surface, -18, 92, "10");
    PrintAt(surface, -18, 142, "15");
    PrintAt(surface, -18, 192, "20");
    PrintAt(surface, -18, 242, "25");
    PrintAt(surface, 247, 251, "0");
    PrintAt(surface, 297, 251, "5");
    PrintAt(surface, 344, 251, "10");
    PrintAt(surface, 394, 251, "15");
    PrintAt(surface, 444, 251, "20");
    PrintAt(surface, 190, 251, "-5");
    PrintAt(surface, 137, 251, "-10");
    PrintAt(surface, 87, 251, "-15");
    PrintAt(surface, 37, 251, "-20");

    CurveTables& curves = state.Curves;
    CurveTracer tracer(state, surface,
                       {curves.CurveStartX, curves.CurveStartY, curves.CurveEndX, curves.CurveEndY},
                       chart_detail::ScreenBounds, chart_detail::TraceMode::Screen);

    // 9. Left pass, each level found with its label in the column x = 520.
    for (int k = 1; k <= LevelCount; ++k) {
        state.Chart.CurveColour = LevelColour(k);
        if (!tracer.TraceLeftFlank(k)) continue;
        surface.PSet(520, 250 - 15 * k, ColourWhite);
        surface.ForeColor(state.Chart.CurveColour);
        surface.Print(FormatPrintNumber(10 * k) + "%");
    }

    // 10.
    surface.ForeColor(ColourBlack);

    // 11. Right pass, without labels.
    for (int k = 1; k <= LevelCount; ++k) {
        state.Chart.CurveColour = LevelColour(k);
        tracer.TraceRightFlank(k);
    }

    // 12. Closing pass: top and bottom of every level.
    for (int k = 1; k <= LevelCount; ++k) {
        state.Chart.CurveColour = LevelColour(k);
        tracer.CloseCurve(k);
    }

    // 13. Beam-head symbol, open towards the top edge.
    surface.Line(200, -150, 200, -130, Foreground);
    surface.LineTo(300, -130, Foreground);
    surface.LineTo(300, -150, Foreground);

    // 14. Wedge symbol, thick end at x = 350.
    if (HasWedge(conditions.WedgeKind)) {
        surface.Line(150, -115, 350, -115, Foreground);
        surface.LineTo(350, -90, Foreground);
        surface.LineTo(150, -115, Foreground);
    }

    // 15. Captions: field size, set-up, wedge (read from the top: wedge first).
    PrintAt(surface, 300, -30, FieldSizeCaption(conditions.FieldWidth, conditions.FieldLength));
    PrintAt(surface, 300, -50, SetupCaption(conditions.Setup));
    const char* wedge = "Wedge filter : 60 degree";
    switch (conditions.WedgeKind) {
    case WedgeFilter::None: wedge = "Wedge filter : non"; break;
    case WedgeFilter::Deg30: wedge = "Wedge filter : 30 degree"; break;
    case WedgeFilter::Deg45: wedge = "Wedge filter : 45 degree"; break;
    default: break;  // the 60 degree wedge, and any value not named
    }
    PrintAt(surface, 300, -70, wedge);
}

}  // namespace corvane
