// DrawChart into a surface that only counts: the tracing of the 20 levels,
// without any text formatting or painting. Goal: under 0.5 ms.
#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "state/WedgeOptions.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace corvane;

// A computed result; the data file is found as the program finds it (beside
// the benchmark executable in the build tree).
DoseCalculation Computed(int setup, const char* depth, const char* width, const char* length, int wedgeKind) {
    BeamDataLoad loaded = LoadBeamDataFile(LocateBeamDataFile());
    if (!loaded.has_value()) throw std::runtime_error(DescribeBeamDataFault(loaded.error()));
    IrradiationConditions conditions;
    conditions.Setup = static_cast<BeamSetup>(setup);
    SelectWedge(conditions, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(conditions, depth, width, length);
    return ComputeDoseGrid(loaded->data, conditions);
}

void RunDrawChart(benchmark::State& bench, const DoseCalculation& result, ChartMesh mesh) {
    CountingSurface surface;
    for (auto _ : bench) {
        surface.count = 0;
        DrawChart(result, mesh, surface);
        benchmark::DoNotOptimize(surface.count);
    }
    bench.counters["operations"] = static_cast<double>(surface.count);
}

// Default conditions: SSD, depth 5.0, 10 x 10 cm, no wedge, MeshMode 0.
void BM_DrawChart_Default(benchmark::State& bench) {
    RunDrawChart(bench, Computed(1, "5.0", "10.0", "10.0", 1), ChartMesh::FiveCm);
}
BENCHMARK(BM_DrawChart_Default)->Unit(benchmark::kMicrosecond);

// The widest field whose screen chart still draws, in 0.1 cm steps: SSD,
// depth 5.0, 37 x 37 cm, no wedge (37.1 cm reaches column 0 and fails; any
// wedge fails from about 30 cm on).
void BM_DrawChart_Widest(benchmark::State& bench) {
    RunDrawChart(bench, Computed(1, "5.0", "37", "37", 1), ChartMesh::FiveCm);
}
BENCHMARK(BM_DrawChart_Widest)->Unit(benchmark::kMicrosecond);

// The default case with the 1 cm mesh.
void BM_DrawChart_DefaultMesh1(benchmark::State& bench) {
    RunDrawChart(bench, Computed(1, "5.0", "10.0", "10.0", 1), ChartMesh::OneCm);
}
BENCHMARK(BM_DrawChart_DefaultMesh1)->Unit(benchmark::kMicrosecond);

// The printed page of the 30 x 30 cm field with the 60 degree wedge.
void BM_DrawPrintedChart_30x30(benchmark::State& bench) {
    const DoseCalculation result = Computed(1, "5.0", "30", "30", 4);
    CountingSurface surface;
    for (auto _ : bench) {
        surface.count = 0;
        DrawPrintedChart(result, surface);
        benchmark::DoNotOptimize(surface.count);
    }
    bench.counters["operations"] = static_cast<double>(surface.count);
}
BENCHMARK(BM_DrawPrintedChart_30x30)->Unit(benchmark::kMicrosecond);

}  // namespace
