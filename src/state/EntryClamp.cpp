#include "state/EntryClamp.h"

#include "state/LeadingNumber.h"

namespace corvane {

std::string ClampEntryText(std::string_view text, const EntryRange& range) {
    std::string result(text);
    if (ParseLeadingNumber(result) < range.lower) result = range.lowerText;
    if (ParseLeadingNumber(result) > range.upper) result = range.upperText;
    return result;
}

}  // namespace corvane
