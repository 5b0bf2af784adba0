// How numbers are written in the chart texts and the cursor readout.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// A number as Print writes it: a blank (or "-"), the shortest form with at
// most 15 significant digits and no 0 before the point, then a blank.
// 10 -> " 10 ", 0.5 -> " .5 ", -0.5 -> "-.5 ", 1e20 -> " 1E+20 ".
std::string FormatPrintNumber(double value);

// The dose box pattern "##0.0" on d x 100, rounded half away from zero;
// an empty text when d is not above 0.
std::string FormatDoseBox(double d, std::string_view decimalSeparator = ".");

// A plain whole number: digits with a leading "-" when negative.
std::string FormatWholeNumber(long long value);

}  // namespace corvane
