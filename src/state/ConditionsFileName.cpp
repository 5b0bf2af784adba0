#include "state/ConditionsFileName.h"

#include "state/CLocaleNumber.h"

namespace corvane {

namespace {

// The shortest text that reads back as `value`, in every locale.
std::string Shortest(double value) {
    if (value == 0) return "0";  // also -0
    return ShortestDecimal(value);
}

const char* WedgePart(WedgeFilter wedge) {
    switch (wedge) {
    case WedgeFilter::Deg30: return "-w30";
    case WedgeFilter::Deg45: return "-w45";
    case WedgeFilter::Deg60: return "-w60";
    case WedgeFilter::None: break;
    }
    return "";
}

}  // namespace

std::string ConditionsFileName(const IrradiationConditions& conditions, std::string_view ending) {
    std::string name = IsSsdSetup(conditions.Setup) ? "ssd-" : "std-";
    name += Shortest(conditions.Depth) + "cm-";
    name += Shortest(conditions.FieldWidth) + 'x' + Shortest(conditions.FieldLength);
    name += WedgePart(conditions.WedgeKind);
    name += ending;
    return name;
}

}  // namespace corvane
