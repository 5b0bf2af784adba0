// A file name made from the conditions a chart was drawn from, so that the
// files of one lesson tell themselves apart: "ssd-5cm-10x10-w45.png".
#pragma once

#include "state/Conditions.h"

#include <string>
#include <string_view>

namespace corvane {

// The set-up ("ssd" or "std"), the depth in cm, the field's width x length
// in cm and, with a wedge, "-w" and its nominal angle, joined by "-", then
// `ending` as it is (".png", "-profiles.csv"). Numbers are written in their
// shortest exact form with "." as the point, whatever the locale: 5 -> "5",
// 8.5 -> "8.5". "std-8.5cm-12x7.5.png" is the STD set-up without a wedge.
std::string ConditionsFileName(const IrradiationConditions& conditions, std::string_view ending);

}  // namespace corvane
