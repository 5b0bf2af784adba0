// The numeric value of an entry text: the number at its start.
#pragma once

#include <string_view>

namespace corvane {

// The text of the number at the start of `text`, after blanks and tabs: an
// optional sign, digits with an optional "." and digits (or "." and digits),
// then an optional exponent that counts only when complete (e or E, an
// optional sign, digits). Empty when the text does not begin with a number.
// This is the one decimal grammar of the program: entry texts and the data
// file's fields are read by it.
std::string_view LeadingNumberText(std::string_view text);

// The value of LeadingNumberText, with "." as the decimal point in every
// locale; 0 when there is no number, +/-infinity beyond the double range.
double ParseLeadingNumber(std::string_view text);

}  // namespace corvane
