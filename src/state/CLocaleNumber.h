// Decimal text to double and back with "." as the point, whatever the
// process locale (a Qt program runs in the user's, where it may be ",").
//
// Every function here gives the same text with every compiler and library
// the program is built with: std::to_chars where the library has it for
// doubles, and otherwise printf under the "C" locale, whose conversions are
// exact in glibc and in musl (the browser build's C library), with the
// shortest form searched for on top of it (PrintfNumbers below).
#pragma once

#include <string>

namespace corvane {

// `number` must already be a plain decimal number (sign, digits, point,
// exponent). Beyond the double range the result is +/-infinity.
double DecimalToDouble(const std::string& number);

// `value` as printf("%.15g") writes it in the C locale: 2.5 -> "2.5",
// 1e20 -> "1e+20". Every number in Corvane's own messages is written so.
std::string DoubleToDecimal(double value);

// `value` as printf("%.<digits>g") writes it in the C locale, "inf" and
// "nan" included: (0.1, 17) -> "0.10000000000000001".
std::string SignificantDecimal(double value, int digits);

// The shortest text that DecimalToDouble reads back as exactly `value`:
// 0.43 -> "0.43", 250 -> "250", 1e-05 -> "1e-05"; the plain or the
// exponent form, whichever is shorter (the plain one on a tie), as
// std::to_chars(value) writes it. `value` must be finite.
std::string ShortestDecimal(double value);

// `value` rounded to `decimals` places after the point: (0.68178, 4) ->
// "0.6818", as printf("%.<decimals>f") in the C locale. `value` must be finite.
std::string FixedDecimal(double value, int decimals);

// The printf path of the three functions above, built everywhere so that
// the tests can hold it against std::to_chars where both exist.
namespace printf_numbers {
std::string Significant(double value, int digits);
std::string Fixed(double value, int decimals);
std::string Shortest(double value);
}  // namespace printf_numbers

}  // namespace corvane
