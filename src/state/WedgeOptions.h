// The wedge and set-up choices of the conditions window, as they act on the state.
#pragma once

#include "state/Conditions.h"

#include <cmath>

namespace corvane {

// Physical angle in degrees of the lead wedge of each nominal angle.
inline double PhysicalWedgeAngle(WedgeFilter wedge) {
    switch (wedge) {
    case WedgeFilter::Deg30: return 5.458;
    case WedgeFilter::Deg45: return 8.8;
    case WedgeFilter::Deg60: return 13.82;
    case WedgeFilter::None: break;
    }
    return 0;
}

// tan(theta / 180 x 3.14159): degrees to radians with pi taken as 3.14159.
inline double WedgeSlopeForAngle(double degrees) { return std::tan(degrees / 180 * 3.14159); }

// Choosing a wedge option: "no wedge" leaves WedgeSlope as it was.
inline void SelectWedge(IrradiationConditions& conditions, WedgeFilter wedge) {
    conditions.WedgeKind = wedge;
    if (HasWedge(wedge)) conditions.WedgeSlope = WedgeSlopeForAngle(PhysicalWedgeAngle(wedge));
}

}  // namespace corvane
