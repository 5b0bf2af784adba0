#include "CalculationInput.h"

#include "state/WedgeOptions.h"

#include <stdexcept>
#include <string>

namespace corvane::python {

IrradiationConditions ConditionsFrom(bool ssd, double depth, double width, double length,
                                     std::optional<int> wedgeDegrees) {
    IrradiationConditions conditions;
    conditions.Setup = ssd ? BeamSetup::Ssd : BeamSetup::Std;
    conditions.Depth = depth;
    conditions.FieldWidth = width;
    conditions.FieldLength = length;
    conditions.PhantomThickness = PhantomThicknessCm;
    WedgeFilter wedge = WedgeFilter::None;
    if (wedgeDegrees) {
        switch (*wedgeDegrees) {
        case 30: wedge = WedgeFilter::Deg30; break;
        case 45: wedge = WedgeFilter::Deg45; break;
        case 60: wedge = WedgeFilter::Deg60; break;
        default:
            throw std::invalid_argument("wedge must be None, 30, 45 or 60, not " +
                                        std::to_string(*wedgeDegrees));
        }
    }
    SelectWedge(conditions, wedge);
    return conditions;
}

}  // namespace corvane::python
