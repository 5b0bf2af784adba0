#include "state/CLocaleNumber.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

#include <locale.h>

namespace corvane {

double DecimalToDouble(const std::string& number) {
    // strtod honours LC_NUMERIC, and a Qt program runs in the user's locale;
    // the texts here always use ".", so convert in the C locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

std::string DoubleToDecimal(double value) {
    // to_chars with a precision is printf's %.*g, and never looks at a locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);  // 64 characters hold any %.15g
}

// std::to_chars never looks at the C or C++ locale.
std::string ShortestDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc{}) return "0";  // cannot happen: 64 chars hold any double
    return std::string(buffer, result.ptr);
}

std::string FixedDecimal(double value, int decimals) {
    char buffer[400];  // the widest double in fixed form, with a few decimals
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) return ShortestDecimal(value);
    return std::string(buffer, result.ptr);
}

}  // namespace corvane
