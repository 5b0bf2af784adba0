// The program-wide state that Module1 holds: the beam tables, the conditions
// as the conditions window sets them, and the last calculation that
// succeeded. The chart window keeps its own view state (MeshMode,
// CursorInChart); the curve tracing keeps its scratch values for the length
// of one drawing.
#pragma once

#include "dose/DoseCalculation.h"
#include "state/BeamData.h"
#include "state/Conditions.h"
#include "windows/BeamDataNames.h"

#include <memory>
#include <optional>

namespace corvane {

struct CalculationState {
    BeamData Beam;                   // loaded by the start button, then only read
    // Where Beam came from, when that is not the bundled file: the windows
    // name it (the conditions and profiles windows, saved files' metadata).
    std::optional<OwnBeamData> OwnData;
    IrradiationConditions Conditions;  // the options set them at once, the entries at each run
    // Shared and never changed: the chart, its readout and profiles, a held
    // reference, printing and saving all read this one result. Empty until a
    // calculation succeeds; a failed run leaves it as it was.
    std::shared_ptr<const DoseCalculation> Result;
};

}  // namespace corvane
