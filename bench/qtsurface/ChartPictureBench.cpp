// The whole chart picture through the QPainter surface, as the chart window
// and the image export draw it.
#include "dose/DoseGrid.h"
#include "qtsurface/ChartExport.h"
#include "state/BeamDataLoader.h"
#include "state/WedgeOptions.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

namespace corvane {
namespace {

CalculationState Calculated(const char* width, int wedgeKind) {
    CalculationState state;
    BeamDataLoadResult loaded = LoadBeamDataFile(CORVANE_BENCH_DATA_FILE);
    if (!loaded.data) throw std::runtime_error(loaded.error());
    state.Beam = *loaded.data;
    state.Conditions.Setup = BeamSetup::Ssd;
    SelectWedge(state, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(state.Conditions, "5.0", width, "10.0");
    ComputeDoseGrid(state);
    return state;
}

// The default case: SSD, 5 cm deep, 10 x 10 cm, no wedge, 5 cm mesh.
void ChartPicture997x685Antialiased(benchmark::State& bench) {
    CalculationState state = Calculated("10.0", 1);
    for (auto _ : bench) {
        state.Curves.reset();
        QImage image = RenderChartImage(state);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ChartPicture997x685Antialiased)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ChartPictureWithFineMeshAndWedge(benchmark::State& bench) {
    CalculationState state = Calculated("10.0", 4);
    state.MeshMode = ChartMesh::OneCm;
    for (auto _ : bench) {
        state.Curves.reset();
        QImage image = RenderChartImage(state);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ChartPictureWithFineMeshAndWedge)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ChartPngFile(benchmark::State& bench) {
    CalculationState state = Calculated("10.0", 1);
    for (auto _ : bench) {
        state.Curves.reset();
        benchmark::DoNotOptimize(ChartPng(state));
    }
}
BENCHMARK(ChartPngFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void PrintedPagePdf(benchmark::State& bench) {
    CalculationState state = Calculated("10.0", 1);
    for (auto _ : bench) benchmark::DoNotOptimize(PrintedChartPdf(state));
}
BENCHMARK(PrintedPagePdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
