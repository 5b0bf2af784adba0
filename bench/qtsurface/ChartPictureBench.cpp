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

DoseCalculation Calculated(const char* width, int wedgeKind) {
    BeamDataLoad loaded = LoadBeamDataFile(CORVANE_BENCH_DATA_FILE);
    if (!loaded) throw std::runtime_error(DescribeBeamDataFault(loaded.error()));
    IrradiationConditions conditions;
    conditions.Setup = BeamSetup::Ssd;
    SelectWedge(conditions, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(conditions, "5.0", width, "10.0");
    return ComputeDoseGrid(loaded->data, conditions);
}

// The default case: SSD, 5 cm deep, 10 x 10 cm, no wedge, 5 cm mesh.
void ChartPicture997x685Antialiased(benchmark::State& bench) {
    const DoseCalculation state = Calculated("10.0", 1);
    for (auto _ : bench) {
        QImage image = RenderChartImage(state, ChartMesh::FiveCm).value();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ChartPicture997x685Antialiased)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ChartPictureWithFineMeshAndWedge(benchmark::State& bench) {
    const DoseCalculation state = Calculated("10.0", 4);
    for (auto _ : bench) {
        QImage image = RenderChartImage(state, ChartMesh::OneCm).value();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ChartPictureWithFineMeshAndWedge)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ChartPngFile(benchmark::State& bench) {
    const DoseCalculation state = Calculated("10.0", 1);
    for (auto _ : bench) benchmark::DoNotOptimize(ChartPng(state, ChartMesh::FiveCm));
}
BENCHMARK(ChartPngFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void PrintedPagePdf(benchmark::State& bench) {
    const DoseCalculation state = Calculated("10.0", 1);
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
