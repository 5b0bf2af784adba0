// The cost of the pictures a window draws when it is created.
#include "assets/Pictures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

const corvane::BeamDataLoad& BundledLoad() {
    static const auto load = corvane::LoadBeamDataFile(CORVANE_BENCH_DATA_FILE);
    return load;
}

// The first call decodes and scales the two rendered charts; it must run
// before any other benchmark asks for the sample.
void BM_SamplePictureFirstCall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(corvane::SamplePicture());
}
BENCHMARK(BM_SamplePictureFirstCall)->Iterations(1)->Unit(benchmark::kMillisecond);

// Later calls reuse the composed picture.
void BM_SamplePicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(corvane::SamplePicture());
}
BENCHMARK(BM_SamplePicture)->Unit(benchmark::kMillisecond);

void BM_FormulaPicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(corvane::FormulaPicture());
}
BENCHMARK(BM_FormulaPicture)->Unit(benchmark::kMillisecond);

void BM_GeometrySketch(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(corvane::GeometrySketch());
}
BENCHMARK(BM_GeometrySketch)->Unit(benchmark::kMillisecond);

void BM_CurvePictures(benchmark::State& state) {
    const auto& load = BundledLoad();
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::TmrCurvesPicture(load, {}));
        benchmark::DoNotOptimize(corvane::OcrCurvesPicture(load, {}));
    }
}
BENCHMARK(BM_CurvePictures)->Unit(benchmark::kMillisecond);

void BM_SmallPictures(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvane::ProgramIcon().pixmap(32, 32));
        benchmark::DoNotOptimize(corvane::DogPicture());
        benchmark::DoNotOptimize(corvane::ExitSignPicture());
    }
}
BENCHMARK(BM_SmallPictures)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Pixmaps need a GUI application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
