// One calculation as the module holds it: computed once without the GIL,
// then only read, and kept alive by every array that views its grid.
#pragma once

#include "dose/ProfileFigures.h"
#include "state/CalculationState.h"

#include <memory>
#include <optional>

namespace corvane::python {

// The conditions as corvane.Conditions carries them: the numbers as given,
// the set-up and the wedge already checked.
struct ConditionsInput {
    BeamSetup setup = BeamSetup::Ssd;
    double depth = 5.0;
    double width = 10.0;
    double length = 10.0;
    WedgeFilter wedge = WedgeFilter::None;
};

// The wedge by its nominal angle: none, 30, 45 or 60; another angle is
// std::invalid_argument (a ValueError in Python).
ConditionsInput ConditionsFrom(bool ssd, double depth, double width, double length,
                               std::optional<int> wedgeDegrees);

// A calculation state taken from a small pool and given back to it when the
// pointer goes: a fresh one would clear 1.8 MB of matrices that the
// calculation then writes again.
struct ReturnToPool {
    void operator()(CalculationState* state) const noexcept;
};
using PooledState = std::unique_ptr<CalculationState, ReturnToPool>;

// A state set up as the start button and the conditions window leave it
// (and as corvane-chart sets it), ready for ComputeDoseGrid.
PooledState PreparedState(const BeamData& beam, const ConditionsInput& conditions);

class ComputedDose {
public:
    // ComputeDoseGrid on a prepared state. Throws CalculationFailure.
    static std::shared_ptr<const ComputedDose> Compute(const BeamData& beam,
                                                       const ConditionsInput& conditions);

    const CalculationState& State() const { return *state_; }
    const DoseMatrix& Grid() const { return state_->DoseGrid; }
    // The grid as the profiles window reads it: its computed region and
    // whether a wedge shaped it.
    ProfileGrid Profiles() const;

private:
    explicit ComputedDose(PooledState state) : state_(std::move(state)) {}
    PooledState state_;
};

}  // namespace corvane::python
