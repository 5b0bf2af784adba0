// The beam's quality index TPR20,10: the ratio of the 10 x 10 cm field's TMRs
// at 20 and 10 cm depth, which for an isocentric measurement is the ratio of
// the doses there.
#pragma once

#include "state/BeamData.h"

#include <optional>

namespace corvane {

struct BeamQuality {
    double tmrAt10 = 0;  // the 10 cm field's TMR at 10 cm depth
    double tmrAt20 = 0;  // and at 20 cm
    // TMR(20) / TMR(10); empty when the table does not reach the depths or
    // the ratio is not a finite number.
    std::optional<double> tpr2010;
};

// The TMRs of the 10 cm column interpolated in depth as the dose model
// interpolates them (TmrAtDepth).
BeamQuality BeamQualityOf(const BeamData& beam);

}  // namespace corvane
