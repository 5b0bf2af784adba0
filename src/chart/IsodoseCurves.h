// The isodose curves of the screen chart as data: for each level, the
// polylines its tracing draws, in chart units. For a caller that draws the
// chart with a toolkit of its own (the Python module's matplotlib figures).
#pragma once

#include "dose/DoseCalculation.h"

#include <array>
#include <vector>

namespace corvane {

struct ChartPoint {
    double x;  // lateral index, 250 on the central axis
    double y;  // depth in mm
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// One level k (k x 10 %): up to four polylines, in the order the chart draws
// them: the left flank, the right flank, the line across the top and the one
// across the bottom. A flank of one row draws no segment and gives none.
struct IsodoseLevelCurves {
    int level = 0;   // 1..20
    int colour = 0;  // the palette number the chart draws it in
    std::vector<std::vector<ChartPoint>> polylines;
};

// The curves DrawChartCurves traces from the result's DoseGrid, by the same
// tracer in the same order, without the labels. Throws CalculationFailure
// where the chart would fail.
std::array<IsodoseLevelCurves, 20> TraceIsodoseCurves(const DoseCalculation& result);

}  // namespace corvane
