// Decimal text to double and back with "." as the point, whatever the
// process locale (a Qt program runs in the user's, where it may be ",").
#pragma once

#include <string>

namespace corvane {

// `number` must already be a plain decimal number (sign, digits, point,
// exponent). Beyond the double range the result is +/-infinity.
double DecimalToDouble(const std::string& number);

// `value` as printf("%.15g") writes it in the C locale: 2.5 -> "2.5",
// 1e20 -> "1e+20". Every number in Corvane's own messages is written so.
std::string DoubleToDecimal(double value);

// The shortest text that DecimalToDouble reads back as exactly `value`:
// 0.43 -> "0.43", 250 -> "250", 1e-05 -> "1e-05". `value` must be finite.
std::string ShortestDecimal(double value);

// `value` rounded to `decimals` places after the point: (0.68178, 4) ->
// "0.6818". For the figures a person reads; `value` must be finite.
std::string FixedDecimal(double value, int decimals);

}  // namespace corvane
