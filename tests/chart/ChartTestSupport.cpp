#include "chart/ChartTestSupport.h"

#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "support/TestData.h"

#include <algorithm>

namespace corvane::test {

std::unique_ptr<CalculationState> BlankState() {
    auto state = std::make_unique<CalculationState>();
    state->Conditions = {BeamSetup::Ssd, 5.0, 10.0, 10.0, 25, WedgeFilter::None};
    state->MeshMode = ChartMesh::FiveCm;
    state->Chart.HalfWidthSteps = 86;
    state->Chart.DepthSteps = 250;
    state->Curves.reset();
    return state;
}

void FillBlock(CalculationState& state, int i0, int i1, int j0, int j1, double value) {
    for (int J = j0; J <= j1; ++J)
        for (int I = i0; I <= i1; ++I) state.DoseGrid(I, J) = value;
}

void CrossingBlock(CalculationState& state, int j0, int j1, double inside, double edge) {
    FillBlock(state, 100, 400, j0, j1, inside);
    FillBlock(state, 99, 99, j0, j1, edge);
    FillBlock(state, 401, 401, j0, j1, edge);
}

std::unique_ptr<CalculationState> ComputedState(int setup, const std::string& depth, const std::string& width,
                                                const std::string& length, int wedgeKind) {
    auto state = StateWithEntries(setup, wedgeKind, depth, width, length);
    ComputeDoseGrid(*state);
    return state;
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

Drawing Draw(CalculationState& state) {
    return Record([&](DrawingSurface& surface) { DrawChart(state, surface); });
}

Drawing DrawPrinted(CalculationState& state, PrintTables& tables) {
    return Record([&](DrawingSurface& surface) { DrawPrintedChart(state, tables, surface); });
}

Drawing DrawPrinted(CalculationState& state) {
    PrintTables tables;
    return DrawPrinted(state, tables);
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
