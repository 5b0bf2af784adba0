// The conditions as corvane.Conditions hands them over: the numbers as
// given, the set-up and the wedge already checked.
#pragma once

#include "state/Conditions.h"

#include <optional>

namespace corvane::python {

// As the start button and the conditions window leave them (and as
// corvane-chart sets them). The wedge by its nominal angle: none, 30, 45 or
// 60; another angle is std::invalid_argument (a ValueError in Python).
IrradiationConditions ConditionsFrom(bool ssd, double depth, double width, double length,
                                     std::optional<int> wedgeDegrees);

}  // namespace corvane::python
