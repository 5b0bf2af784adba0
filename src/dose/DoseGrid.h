// The dose grid over the plotted plane: the half plane, mirror, wedge and
// normalisation to the target point.
#pragma once

#include "dose/DoseCalculation.h"
#include "state/BeamData.h"
#include "state/Conditions.h"

#include <memory>

namespace corvane {

// The dose grid of `conditions` from the beam tables. Reads its arguments
// only and changes nothing else, so that any number of threads may call it
// at once. Throws CalculationFailure where the model or the grid cannot go
// on (a negative or empty field, a zero divisor, a value that is not
// finite, a table it cannot read); no partly computed result escapes.
DoseCalculation ComputeDoseGrid(const BeamData& beam, const IrradiationConditions& conditions);

// The same, held shared and immutable, as the front ends keep their results.
std::shared_ptr<const DoseCalculation> ComputeSharedDoseGrid(const BeamData& beam,
                                                             const IrradiationConditions& conditions);

}  // namespace corvane
