#include "state/Conditions.h"

#include "state/LeadingNumber.h"

namespace corvane {

void ReadConditionEntries(IrradiationConditions& conditions, std::string_view depthText,
                          std::string_view widthText, std::string_view lengthText) {
    conditions.Depth = ParseLeadingNumber(depthText);
    conditions.FieldWidth = ParseLeadingNumber(widthText);
    conditions.FieldLength = ParseLeadingNumber(lengthText);
    conditions.PhantomThickness = PhantomThicknessCm;
}

} // namespace corvane
