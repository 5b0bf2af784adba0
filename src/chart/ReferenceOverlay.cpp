#include "chart/ReferenceOverlay.h"

#include "chart/CurveTracing.h"
#include "chart/DrawChart.h"
#include "chart/Palette.h"
#include "chart/TextRules.h"

namespace corvane {

namespace {

using chart_detail::CurveTracer;
using chart_detail::LevelCount;

// The caption's place: right of the wedge symbol (x up to 350), above the
// chart's captions (from y = -70) and left of the level labels' column.
constexpr double CaptionLeft = 360;
constexpr double CaptionTop = -149;
constexpr double CaptionLineStep = 14;  // one 21-pixel line of the picture's font

// Solid lines again on every way out, a throw included.
class DashedLines {
public:
    explicit DashedLines(DrawingSurface& surface) : surface_(surface) { surface_.DrawStyle(LineDashed); }
    ~DashedLines() { surface_.DrawStyle(LineSolid); }
    DashedLines(const DashedLines&) = delete;
    DashedLines& operator=(const DashedLines&) = delete;

private:
    DrawingSurface& surface_;
};

}  // namespace

CurveTables DrawReferenceCurves(const DoseCalculation& reference, DrawingSurface& surface) {
    CurveTracer tracer(reference, surface, chart_detail::ScreenBounds, chart_detail::TraceMode::Screen);
    tracer.CurveColour = ColourGrey;
    const DashedLines dashed(surface);
    for (int k = 1; k <= LevelCount; ++k) tracer.TraceLeftFlank(k);
    for (int k = 1; k <= LevelCount; ++k) tracer.TraceRightFlank(k);
    for (int k = 1; k <= LevelCount; ++k) tracer.CloseCurve(k);
    return tracer.ScreenTables();
}

std::vector<std::string> ReferenceCaptionLines(const IrradiationConditions& conditions,
                                               std::string_view heading, std::string_view depthLabel) {
    return {std::string(heading), chart_detail::SetupCaption(conditions.Setup),
            std::string(depthLabel) + " =" + FormatPrintNumber(conditions.Depth) + "cm",
            chart_detail::FieldSizeCaption(conditions.FieldWidth, conditions.FieldLength),
            chart_detail::ScreenWedgeCaption(conditions.WedgeKind)};
}

void DrawReferenceCaption(const std::vector<std::string>& lines, DrawingSurface& surface) {
    surface.ForeColor(ColourGrey);
    double y = CaptionTop;
    for (const std::string& line : lines) {
        chart_detail::PrintAt(surface, CaptionLeft, y, line);
        y += CaptionLineStep;
    }
    surface.ForeColor(ColourBlack);
}

CurveTables DrawChartWithReference(const DoseCalculation& current, const DoseCalculation& reference,
                                   const std::vector<std::string>& caption, ChartMesh mesh,
                                   DrawingSurface& surface) {
    DrawChartFramework(current.Conditions, mesh, surface);
    DrawReferenceCurves(reference, surface);
    CurveTables curves = DrawChartCurves(current, surface);
    DrawChartSymbols(current.Conditions, surface);
    DrawChartCaptions(current.Conditions, surface);
    DrawReferenceCaption(caption, surface);
    return curves;
}

}  // namespace corvane
