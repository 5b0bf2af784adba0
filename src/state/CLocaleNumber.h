// Decimal text to double with "." as the point, whatever the process locale.
#pragma once

#include <string>

namespace corvane {

// `number` must already be a plain decimal number (sign, digits, point,
// exponent). Beyond the double range the result is +/-infinity.
double DecimalToDouble(const std::string& number);

}  // namespace corvane
