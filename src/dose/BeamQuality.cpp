#include "dose/BeamQuality.h"

#include "dose/CalculationFailure.h"
#include "dose/PointDoseModel.h"

#include <cmath>

namespace corvane {

namespace {
// The TMR column of the 10 cm square field.
constexpr int TenCmColumn = 4;
static_assert(BeamData::FixedFieldSizes[TenCmColumn] == 10);
}  // namespace

BeamQuality BeamQualityOf(const BeamData& beam) {
    BeamQuality quality;
    try {
        // Depths formed as the dose grid forms them.
        quality.tmrAt10 = TmrAtDepth(beam, 0.1 * 100, TenCmColumn);
        quality.tmrAt20 = TmrAtDepth(beam, 0.1 * 200, TenCmColumn);
    } catch (const CalculationFailure&) {
        return quality;  // a table too short or with two rows at one depth: no index
    }
    if (quality.tmrAt10 != 0 && std::isfinite(quality.tmrAt20 / quality.tmrAt10))
        quality.tpr2010 = quality.tmrAt20 / quality.tmrAt10;
    return quality;
}

}  // namespace corvane
