// A held reference chart laid beneath the screen chart: the reference grid's
// isodose curves, grey and dashed, under the current ones, and a caption
// that names the reference's conditions. A screen aid only: DrawChart and
// the printed page never draw it.
#pragma once

#include "chart/DrawChart.h"
#include "chart/DrawingSurface.h"
#include "dose/DoseCalculation.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The isodose curves of reference.DoseGrid at the chart's 20 levels, traced
// as DrawChartCurves traces the current ones, but all in grey, dashed and
// without level labels, by a tracer of their own. Ends with solid lines; the
// foreground colour is left as it was. Returns the reference's tables.
// Throws CalculationFailure as DrawChartCurves does.
CurveTables DrawReferenceCurves(const DoseCalculation& reference, DrawingSurface& surface);

// The reference caption's lines: `heading`, then the reference's set-up,
// target depth ("<depthLabel> = 5 cm"), field size and wedge, the last
// three in the chart's own words.
std::vector<std::string> ReferenceCaptionLines(const IrradiationConditions& conditions,
                                               std::string_view heading, std::string_view depthLabel);

// The caption in grey in the picture's free top-right margin: right of the
// wedge symbol and above the chart's own captions, one line every 14 units
// from y = -149. Ends with the foreground colour black.
void DrawReferenceCaption(const std::vector<std::string>& lines, DrawingSurface& surface);

// The screen chart with a reference beneath it:
//     DrawChartFramework(current.Conditions, mesh, surface);
//     DrawReferenceCurves(reference, surface);
//     DrawChartCurves(current, surface);
//     DrawChartSymbols(current.Conditions, surface);
//     DrawChartCaptions(current.Conditions, surface);
//     DrawReferenceCaption(caption, surface);
// Leaving out the reference's operations gives DrawChart's exactly. Returns
// the current curves' tables.
CurveTables DrawChartWithReference(const DoseCalculation& current, const DoseCalculation& reference,
                                   const std::vector<std::string>& caption, ChartMesh mesh,
                                   DrawingSurface& surface);

}  // namespace corvane
