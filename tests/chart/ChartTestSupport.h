// Helpers of the chart tests: results with hand-filled or computed grids, and
// the recorded operations of a drawing.
#pragma once

#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "dose/DoseCalculation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// A result shaped as a calculation leaves it, with DoseGrid all 0: SSD,
// depth 5, 10 x 10 cm, no wedge, HalfWidthSteps 86, DepthSteps 250.
std::unique_ptr<DoseCalculation> BlankResult();

// Sets DoseGrid(I, J) := value for I in [i0, i1] and J in [j0, j1].
void FillBlock(DoseCalculation& result, int i0, int i1, int j0, int j1, double value);

// The block of the crossing example: rows j0..j1 hold `inside` in the
// columns 100..400 and `edge` in the columns 99 and 401; 0 elsewhere.
void CrossingBlock(DoseCalculation& result, int j0, int j1, double inside = 0.6, double edge = 0.4);

// A result computed from the bundled data file, as the conditions window
// leaves it: setup 1 (SSD) or 2 (STD), the three entry texts, the wedge kind.
std::unique_ptr<DoseCalculation> ComputedResult(int setup, const std::string& depth, const std::string& width,
                                                const std::string& length, int wedgeKind);

// The recorded operations, and the tracer's tables where the drawing ended
// normally (a failed drawing leaves none).
struct Drawing {
    std::vector<std::string> lines;
    std::string text;
    bool failed = false;
    CurveTables curves;   // DrawChart's
    PrintTables printed;  // DrawPrintedChart's
};

Drawing Draw(const DoseCalculation& result, ChartMesh mesh = ChartMesh::FiveCm);
Drawing DrawPrinted(const DoseCalculation& result);

// Runs a drawing function into a recorder, catching CalculationFailure.
Drawing Record(const std::function<void(DrawingSurface&)>& draw);

// The number as a recorded line writes it.
std::string N(double value);

// The index of the first line equal to `line` at or after `from`, or -1.
long Find(const std::vector<std::string>& lines, const std::string& line, std::size_t from = 0);
// How many lines start with `prefix`.
long CountPrefix(const std::vector<std::string>& lines, const std::string& prefix);

}  // namespace corvane::test
