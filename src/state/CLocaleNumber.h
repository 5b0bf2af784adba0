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

}  // namespace corvane
