// ComputeDoseGrid on one thread, for the default conditions and the widest
// wedged field.
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "state/WedgeOptions.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace corvane {
namespace {

std::unique_ptr<CalculationState> prepared(const char* width, const char* length, int wedgeKind) {
    auto state = std::make_unique<CalculationState>();
    BeamDataLoadResult loaded = LoadBeamDataFile(LocateBeamDataFile());
    if (!loaded.ok()) throw std::runtime_error(loaded.error());
    state->Beam = *loaded.data;
    state->Conditions.Setup = BeamSetup::Ssd;
    SelectWedge(*state, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(state->Conditions, "5.0", width, length);
    return state;
}

void computeRepeatedly(benchmark::State& run, CalculationState& state) {
    for (auto _ : run) {
        ComputeDoseGrid(state);
        benchmark::DoNotOptimize(state.DoseGrid(250, 50));
        benchmark::ClobberMemory();
    }
}

void BM_ComputeDoseGrid_Default(benchmark::State& run) {
    auto state = prepared("10.0", "10.0", 1);
    computeRepeatedly(run, *state);
}
BENCHMARK(BM_ComputeDoseGrid_Default)->Unit(benchmark::kMicrosecond);

void BM_ComputeDoseGrid_30x30Wedge60(benchmark::State& run) {
    auto state = prepared("30", "30", 4);
    computeRepeatedly(run, *state);
}
BENCHMARK(BM_ComputeDoseGrid_30x30Wedge60)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
