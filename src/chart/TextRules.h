// How numbers are written in the chart texts, the cursor readout and the
// machine-readable outputs (recorded operations, the dose matrix).
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

// A number written so that it reads back exactly: printf("%.17g") in the C
// locale whatever the environment's locale, with -0 written 0. 0.1 ->
// "0.10000000000000001", 250 -> "250", 1e20 -> "1e+20"; infinities and NaN
// come out as printf writes them: "inf", "-inf", "nan", "-nan". The recorded
// drawing operations and the dose command's matrix are written with it.
std::string FormatNumber17(double value);

}  // namespace corvane
