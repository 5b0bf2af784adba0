// What `corvane-chart ops` and `print-ops` write for one case, made by the
// core alone: scripts/check-core-em.sh builds it with Emscripten, where the
// curve tracing takes its portable path instead of SSE2 and the numbers
// their printf path, and compares it with the native tool byte for byte.
//   ops-transcript DATA SETUP(1|2) DEPTH WIDTH LENGTH WEDGE(1..4) MESH(0|1)
#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/WedgeOptions.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace corvane;

int main(int argc, char** argv) {
    if (argc != 8) return 2;
    const BeamDataLoad loaded = LoadBeamDataFile(argv[1]);
    if (!loaded.has_value()) return 2;
    IrradiationConditions conditions;
    conditions.Setup = static_cast<BeamSetup>(std::atoi(argv[2]));
    SelectWedge(conditions, static_cast<WedgeFilter>(std::atoi(argv[6])));
    ReadConditionEntries(conditions, argv[3], argv[4], argv[5]);
    const auto mesh = static_cast<ChartMesh>(std::atoi(argv[7]));
    // Each chart as its command writes it: the operations drawn before a failure.
    auto write = [&](const std::function<void(const DoseCalculation&, DrawingSurface&)>& draw) {
        RecordingSurface surface;
        try {
            draw(ComputeDoseGrid(loaded->data, conditions), surface);
        } catch (const CalculationFailure& failure) {
            std::fprintf(stderr, "%s\n", failure.what());
        }
        std::fputs(surface.text().c_str(), stdout);
    };
    write([&](const DoseCalculation& result, DrawingSurface& surface) { DrawChart(result, mesh, surface); });
    write([](const DoseCalculation& result, DrawingSurface& surface) { DrawPrintedChart(result, surface); });
    return 0;
}
