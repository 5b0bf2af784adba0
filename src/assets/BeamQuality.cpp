// TPR20,10 from the TMR table: for an isocentric measurement the ratio of the
// doses at 20 and 10 cm depth is the ratio of the TMRs there.
#include "assets/Pictures.h"

#include <cmath>

namespace corvane {
namespace {

constexpr int ReferenceFieldColumn = 4;  // FieldSizeTable: 4, 6, 8, 10 cm

// Linear in depth between the two rows that bracket d; empty outside the table.
std::optional<double> TmrOnReferenceColumn(const BeamData& beam, double d) {
    for (int i = 1; i < BeamData::DepthRows; ++i) {
        const double d0 = beam.DepthTable[i];
        const double d1 = beam.DepthTable[i + 1];
        if (!(d0 <= d && d <= d1)) continue;
        const double t0 = beam.TmrTable[i][ReferenceFieldColumn];
        const double t1 = beam.TmrTable[i + 1][ReferenceFieldColumn];
        if (d1 == d0) return t0;
        return t0 + (t1 - t0) * (d - d0) / (d1 - d0);
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> BeamQualityTpr2010(const BeamData& beam) {
    const auto at20 = TmrOnReferenceColumn(beam, 20.0);
    const auto at10 = TmrOnReferenceColumn(beam, 10.0);
    if (!at20 || !at10 || !(*at10 > 0)) return std::nullopt;
    const double ratio = *at20 / *at10;
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

QString FormatBeamQuality(const std::optional<double>& tpr) {
    return tpr ? QString::number(*tpr, 'f', 3) : QString();
}

}  // namespace corvane
