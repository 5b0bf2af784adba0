// The dose grid over the plotted plane: the half plane, mirror, wedge and
// normalisation to the target point.
#pragma once

#include "state/CalculationState.h"

#include <string_view>

namespace corvane {

// Reads the three entry texts with the leading-number parse into Depth,
// FieldWidth and FieldLength, and sets PhantomThickness to 25.
void ReadConditionEntries(CalculationState& state, std::string_view depthText, std::string_view widthText,
                          std::string_view lengthText);

// Computes DoseGrid from the conditions and beam tables of `state`, clearing
// the matrices and curve tables first. Throws CalculationFailure; what was
// cleared or computed before the failure stays in the state.
void ComputeDoseGrid(CalculationState& state);

}  // namespace corvane
