// The dose grid over the plotted plane: the half plane, mirror, wedge and
// normalisation to the target point.
#pragma once

#include "state/CalculationState.h"

namespace corvane {

// Computes DoseGrid from the conditions and beam tables of `state`, clearing
// the matrices and curve tables first. Throws CalculationFailure; what was
// cleared or computed before the failure stays in the state.
void ComputeDoseGrid(CalculationState& state);

}  // namespace corvane
