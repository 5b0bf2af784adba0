#include "chart/ChartTestSupport.h"

#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "support/TestData.h"

#include <algorithm>

namespace corvane::test {

std::unique_ptr<DoseCalculation> BlankResult() {
    auto result = std::make_unique<DoseCalculation>();
    result->Conditions = {BeamSetup::Ssd, 5.0, 10.0, 10.0, 25, WedgeFilter::None};
    result->HalfWidthSteps = 86;
    result->DepthSteps = 250;
    return result;
}

void FillBlock(DoseCalculation& result, int i0, int i1, int j0, int j1, double value) {
    for (int J = j0; J <= j1; ++J)
        for (int I = i0; I <= i1; ++I) result.DoseGrid(I, J) = value;
}

void CrossingBlock(DoseCalculation& result, int j0, int j1, double inside, double edge) {
    FillBlock(result, 100, 400, j0, j1, inside);
    FillBlock(result, 99, 99, j0, j1, edge);
    FillBlock(result, 401, 401, j0, j1, edge);
}

std::unique_ptr<DoseCalculation> ComputedResult(int setup, const std::string& depth, const std::string& width,
                                                const std::string& length, int wedgeKind) {
    return std::make_unique<DoseCalculation>(
        ComputeDoseGrid(BundledBeamData(), ConditionsWithEntries(setup, wedgeKind, depth, width, length)));
}

Drawing Record(const std::function<void(DrawingSurface&)>& draw) {
    RecordingSurface surface;
    Drawing drawing;
    try {
        draw(surface);
    } catch (const CalculationFailure&) {
        drawing.failed = true;
    }
    drawing.text = surface.text();
    drawing.lines = surface.lines();
    return drawing;
}

Drawing Draw(const DoseCalculation& result, ChartMesh mesh) {
    CurveTables curves;
    Drawing drawing = Record([&](DrawingSurface& surface) { curves = DrawChart(result, mesh, surface); });
    drawing.curves = curves;
    return drawing;
}

Drawing DrawPrinted(const DoseCalculation& result) {
    PrintTables printed;
    Drawing drawing = Record([&](DrawingSurface& surface) { printed = DrawPrintedChart(result, surface); });
    drawing.printed = printed;
    return drawing;
}

std::string N(double value) { return FormatNumber17(value); }

long Find(const std::vector<std::string>& lines, const std::string& line, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i] == line) return static_cast<long>(i);
    return -1;
}

long CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

}  // namespace corvane::test
