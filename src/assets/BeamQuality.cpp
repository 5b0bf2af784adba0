// TPR20,10 as the method window's curve picture prints it; the physics is
// the dose model's (dose/BeamQuality.h).
#include "assets/Pictures.h"

#include "dose/BeamQuality.h"

namespace corvane {

std::optional<double> BeamQualityTpr2010(const BeamData& beam) { return BeamQualityOf(beam).tpr2010; }

QString FormatBeamQuality(const std::optional<double>& tpr) {
    return tpr ? QString::number(*tpr, 'f', 3) : QString();
}

}  // namespace corvane
