// ComputeDoseGrid on one thread, for the default conditions and the widest
// wedged field. Each call makes its result anew, its grids included, as the
// program and the tool do; the allocation is part of the figure.
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "state/WedgeOptions.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace corvane {
namespace {

struct Inputs {
    BeamData Beam;
    IrradiationConditions Conditions;
};

Inputs prepared(const char* width, const char* length, int wedgeKind) {
    BeamDataLoad loaded = LoadBeamDataFile(LocateBeamDataFile());
    if (!loaded.has_value()) throw std::runtime_error(DescribeBeamDataFault(loaded.error()));
    Inputs inputs{loaded->data, {}};
    inputs.Conditions.Setup = BeamSetup::Ssd;
    SelectWedge(inputs.Conditions, static_cast<WedgeFilter>(wedgeKind));
    ReadConditionEntries(inputs.Conditions, "5.0", width, length);
    return inputs;
}

void computeRepeatedly(benchmark::State& run, const Inputs& inputs) {
    for (auto _ : run) {
        const DoseCalculation result = ComputeDoseGrid(inputs.Beam, inputs.Conditions);
        benchmark::DoNotOptimize(result.DoseGrid(250, 50));
        benchmark::ClobberMemory();
    }
}

void BM_ComputeDoseGrid_Default(benchmark::State& run) { computeRepeatedly(run, prepared("10.0", "10.0", 1)); }
BENCHMARK(BM_ComputeDoseGrid_Default)->Unit(benchmark::kMicrosecond);

void BM_ComputeDoseGrid_30x30Wedge60(benchmark::State& run) { computeRepeatedly(run, prepared("30", "30", 4)); }
BENCHMARK(BM_ComputeDoseGrid_30x30Wedge60)->Unit(benchmark::kMicrosecond);

// Held shared, as the windows hold it.
void BM_ComputeSharedDoseGrid_Default(benchmark::State& run) {
    const Inputs inputs = prepared("10.0", "10.0", 1);
    for (auto _ : run) {
        const auto result = ComputeSharedDoseGrid(inputs.Beam, inputs.Conditions);
        benchmark::DoNotOptimize(result->DoseGrid(250, 50));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeSharedDoseGrid_Default)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
