// The numeric value of an entry text: the number at its start.
#pragma once

#include <string_view>

namespace corvane {

// Blanks and tabs are skipped, then an optional sign, then digits with an
// optional "." and digits (or "." and digits), then an optional exponent.
// "." is the decimal point in every locale. Text with no number gives 0;
// a value beyond the double range gives +/-infinity.
double ParseLeadingNumber(std::string_view text);

// The number text that ParseLeadingNumber reads: a view into `text` from the
// sign or first digit or point to the end of the number, without the blanks
// before it; empty when the text has no number.
std::string_view LeadingNumberText(std::string_view text);

} // namespace corvane
