// The wedge and set-up choices of the conditions window, as they act on the state.
#pragma once

#include "state/CalculationState.h"

#include <cmath>

namespace corvane {

// Physical angle in degrees of the lead wedge for WedgeKind 2, 3 and 4.
inline double PhysicalWedgeAngle(int wedgeKind) {
    switch (wedgeKind) {
    case 2: return 5.458;
    case 3: return 8.8;
    case 4: return 13.82;
    default: return 0;
    }
}

// tan(theta / 180 x 3.14159): degrees to radians with pi taken as 3.14159.
inline double WedgeSlopeForAngle(double degrees) { return std::tan(degrees / 180 * 3.14159); }

// Choosing a wedge option: 1 (no wedge) leaves WedgeSlope as it was.
inline void SelectWedge(CalculationState& state, int wedgeKind) {
    state.Conditions.WedgeKind = wedgeKind;
    if (wedgeKind != 1) state.WedgeSlope = WedgeSlopeForAngle(PhysicalWedgeAngle(wedgeKind));
}

}  // namespace corvane
