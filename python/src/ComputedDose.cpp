#include "ComputedDose.h"

#include "dose/DoseGrid.h"
#include "state/WedgeOptions.h"

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::python {

namespace {

class StatePool {
public:
    std::unique_ptr<CalculationState> Take() {
        {
            std::lock_guard lock(mutex_);
            if (!free_.empty()) {
                std::unique_ptr<CalculationState> state = std::move(free_.back());
                free_.pop_back();
                return state;
            }
        }
        return std::make_unique<CalculationState>();
    }

    void Give(CalculationState* state) noexcept {
        std::unique_ptr<CalculationState> owned(state);
        std::lock_guard lock(mutex_);
        // A few are kept for the next calculations; the rest are freed, so
        // that many grids held at once do not stay allocated after them.
        if (free_.size() < Kept) free_.push_back(std::move(owned));
    }

private:
    static constexpr std::size_t Kept = 4;
    std::mutex mutex_;
    std::vector<std::unique_ptr<CalculationState>> free_;
};

// Never destroyed: a grid may outlive the module's static objects when the
// interpreter ends.
StatePool& Pool() {
    static StatePool* const pool = new StatePool;
    return *pool;
}

}  // namespace

ConditionsInput ConditionsFrom(bool ssd, double depth, double width, double length,
                               std::optional<int> wedgeDegrees) {
    ConditionsInput input{ssd ? BeamSetup::Ssd : BeamSetup::Std, depth, width, length, WedgeFilter::None};
    if (!wedgeDegrees) return input;
    switch (*wedgeDegrees) {
    case 30: input.wedge = WedgeFilter::Deg30; break;
    case 45: input.wedge = WedgeFilter::Deg45; break;
    case 60: input.wedge = WedgeFilter::Deg60; break;
    default:
        throw std::invalid_argument("wedge must be None, 30, 45 or 60, not " + std::to_string(*wedgeDegrees));
    }
    return input;
}

void ReturnToPool::operator()(CalculationState* state) const noexcept { Pool().Give(state); }

PooledState PreparedState(const BeamData& beam, const ConditionsInput& conditions) {
    PooledState state(Pool().Take().release());
    state->Beam = beam;
    state->MeshMode = ChartMesh::FiveCm;
    state->CursorInChart = false;
    state->WedgeSlope = 0;
    state->Conditions.Setup = conditions.setup;
    SelectWedge(*state, conditions.wedge);
    state->Conditions.Depth = conditions.depth;
    state->Conditions.FieldWidth = conditions.width;
    state->Conditions.FieldLength = conditions.length;
    state->Conditions.PhantomThickness = PhantomThicknessCm;
    return state;
}

std::shared_ptr<const ComputedDose> ComputedDose::Compute(const BeamData& beam,
                                                          const ConditionsInput& conditions) {
    PooledState state = PreparedState(beam, conditions);
    ComputeDoseGrid(*state);
    return std::shared_ptr<const ComputedDose>(new ComputedDose(std::move(state)));
}

ProfileGrid ComputedDose::Profiles() const {
    return ProfileGrid{&state_->DoseGrid, ComputedRegionOf(state_->Chart),
                       HasWedge(state_->Conditions.WedgeKind)};
}

}  // namespace corvane::python
