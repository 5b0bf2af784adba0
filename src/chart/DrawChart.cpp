// DrawChart: the screen chart, drawn in its fixed order from Cls to the
// captions, as four steps that other charts can compose (see DrawChart.h).
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
using chart_detail::ScreenWedgeCaption;

// The grids in light grey, every 5 cm line with a 5-unit tick in the
// foreground colour at both ends; with the 1 cm mesh the 1 cm lines come
// first, beneath them.
void DrawGrids(ChartMesh mesh, DrawingSurface& surface) {
    if (mesh == ChartMesh::OneCm) {
        for (int x = 10; x <= 490; x += 10) surface.Line(x, 0, x, 250, ColourGrid);
        for (int y = 10; y <= 240; y += 10) surface.Line(0, y, 500, y, ColourGrid);
    }
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
}

// The frame, and the central axis from the picture's top edge (y = -150),
// through the beam-head symbol, to 2 units below the chart.
void DrawFrameAndAxis(DrawingSurface& surface) {
    surface.Box(0, 0, 500, 250);
    surface.Line(250, -150, 250, 252, Foreground);
}

// A small circle on the axis at the target's row, floor(10 x Depth): the row
// whose dose the chart is normalised to.
void DrawTargetMarker(double depth, DrawingSurface& surface) {
    const double targetRow = std::floor(10 * depth);
    if (!std::isfinite(targetRow)) throw CalculationFailure("chart drawing: a non-finite target depth");
    surface.Circle(250, targetRow, 2, ColourLightRed);
}

// The depth in cm down the left edge, then the off-centre distance in cm
// along the bottom edge (y = 251), each number beside the grid line it names.
void DrawAxisLabels(DrawingSurface& surface) {
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
}

// The label of level k in the column right of the chart, 15 units apart
// from 10 % at the bottom: the white point sets the position, the text
// takes the level's colour.
void LabelLevel(int k, int colour, DrawingSurface& surface) {
    surface.PSet(520, 250 - 15 * k, ColourWhite);
    surface.ForeColor(colour);
    surface.Print(FormatPrintNumber(10 * k) + "%");
}

}  // namespace

CurveTables DrawChart(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface) {
    DrawChartFramework(result.Conditions, mesh, surface);
    CurveTables curves = DrawChartCurves(result, surface);
    DrawChartSymbols(result.Conditions, surface);
    DrawChartCaptions(result.Conditions, surface);
    return curves;
}

void DrawChartFramework(const IrradiationConditions& conditions, ChartMesh mesh, DrawingSurface& surface) {
    surface.Cls();
    DrawGrids(mesh, surface);
    DrawFrameAndAxis(surface);
    DrawTargetMarker(conditions.Depth, surface);
    DrawAxisLabels(surface);
}

CurveTables DrawChartCurves(const DoseCalculation& result, DrawingSurface& surface) {
    CurveTracer tracer(result, surface, chart_detail::ScreenBounds, chart_detail::TraceMode::Screen);

    // The left flanks; only the levels that have a curve get a label.
    for (int k = 1; k <= LevelCount; ++k) {
        tracer.CurveColour = LevelColour(k);
        if (tracer.TraceLeftFlank(k)) LabelLevel(k, tracer.CurveColour, surface);
    }

    // The labels may have left the foreground in a level's colour; what
    // follows in the foreground colour (symbols, captions) is black.
    surface.ForeColor(ColourBlack);

    // The right flanks, without labels.
    for (int k = 1; k <= LevelCount; ++k) {
        tracer.CurveColour = LevelColour(k);
        tracer.TraceRightFlank(k);
    }

    // The lines across the top and the bottom of each curve, from the left
    // flank to the right one.
    for (int k = 1; k <= LevelCount; ++k) {
        tracer.CurveColour = LevelColour(k);
        tracer.CloseCurve(k);
    }
    return tracer.ScreenTables();
}

void DrawChartSymbols(const IrradiationConditions& conditions, DrawingSurface& surface) {
    // The beam head: a bracket open towards the picture's top edge.
    surface.Line(200, -150, 200, -130, Foreground);
    surface.LineTo(300, -130, Foreground);
    surface.LineTo(300, -150, Foreground);

    // The wedge: a triangle whose thick end is at x = 350.
    if (HasWedge(conditions.WedgeKind)) {
        surface.Line(150, -115, 350, -115, Foreground);
        surface.LineTo(350, -90, Foreground);
        surface.LineTo(150, -115, Foreground);
    }
}

void DrawChartCaptions(const IrradiationConditions& conditions, DrawingSurface& surface) {
    // Drawn bottom up: read from the top, the wedge comes first.
    PrintAt(surface, 300, -30, FieldSizeCaption(conditions.FieldWidth, conditions.FieldLength));
    PrintAt(surface, 300, -50, SetupCaption(conditions.Setup));
    PrintAt(surface, 300, -70, ScreenWedgeCaption(conditions.WedgeKind));
}

}  // namespace corvane
