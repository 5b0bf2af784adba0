#include "state/CLocaleNumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <locale.h>

#include <version>  // __cpp_lib_to_chars

#if defined(__cpp_lib_to_chars)
#include <charconv>
#include <system_error>
#endif

namespace corvane {

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// printf under the C locale for this thread only, so that another thread's
// locale and the user's decimal comma never reach the text.
template <class... Args>
std::string CPrintf(const char* format, Args... args) {
    const locale_t previous = uselocale(CLocale());
    char small[64];
    const int length = std::snprintf(small, sizeof small, format, args...);
    std::string text;
    if (length >= 0 && static_cast<std::size_t>(length) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(length));
    } else if (length >= 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::snprintf(text.data(), text.size(), format, args...);
        text.resize(static_cast<std::size_t>(length));
    }
    uselocale(previous);
    return text;
}

// The digits of a number in exponent form, without the point, and the
// exponent of the first digit: "1.25e-03" -> {"125", -3}.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits DigitsOf(const std::string& exponentForm) {
    DecimalDigits d;
    std::size_t i = exponentForm[0] == '-' ? 1 : 0;
    for (; i < exponentForm.size() && exponentForm[i] != 'e'; ++i)
        if (exponentForm[i] != '.') d.digits += exponentForm[i];
    d.exponent = std::atoi(exponentForm.c_str() + i + 1);
    return d;
}

// The next larger decimal of the same length: "19" -> "20" (exponent kept),
// "99" -> "10" with the exponent one up.
DecimalDigits NextUp(DecimalDigits d) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
    return d;
}

std::string ExponentText(bool negative, const DecimalDigits& d) {
    std::string text = negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    const int e = d.exponent < 0 ? -d.exponent : d.exponent;
    text += d.exponent < 0 ? "e-" : "e+";
    if (e < 10) text += '0';
    text += std::to_string(e);
    return text;
}

bool ReadsBackAs(bool negative, const DecimalDigits& d, double value) {
    return std::strtod(ExponentText(negative, d).c_str(), nullptr) == value;
}

}  // namespace

double DecimalToDouble(const std::string& number) {
    // strtod honours LC_NUMERIC, and a Qt program runs in the user's locale;
    // the texts here always use ".", so convert in the C locale.
    return strtod_l(number.c_str(), nullptr, CLocale());
}

namespace printf_numbers {

std::string Significant(double value, int digits) { return CPrintf("%.*g", digits, value); }

std::string Fixed(double value, int decimals) { return CPrintf("%.*f", decimals, value); }

// The shortest digits are those of the first precision whose correctly
// rounded decimal reads back exactly; that decimal is also the nearest of
// its length, as std::to_chars chooses. Only where the value is a power of
// two is the interval that reads back lopsided (twice as wide above), so
// that the next decimal up may read back where the nearest does not: it is
// tried too. The plain form is then chosen as to_chars chooses it: when it
// is not longer, and for a whole number with the exact digits of %.0f.
std::string Shortest(double value) {
    if (!std::isfinite(value) || value == 0) return CPrintf("%g", value);
    const bool negative = std::signbit(value);
    int mantissaExponent = 0;
    const bool powerOfTwo = std::frexp(std::fabs(value), &mantissaExponent) == 0.5;

    const locale_t previous = uselocale(CLocale());
    DecimalDigits d;
    for (int precision = 1; precision <= 17; ++precision) {
        d = DigitsOf(CPrintf("%.*e", precision - 1, value));
        if (ReadsBackAs(negative, d, value)) break;
        if (powerOfTwo) {
            const DecimalDigits up = NextUp(d);
            if (ReadsBackAs(negative, up, value)) {
                d = up;
                break;
            }
        }
    }
    uselocale(previous);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();  // "20" -> "2"

    const std::string exponentForm = ExponentText(negative, d);
    const int length = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const int plainLength = (negative ? 1 : 0) + (e >= length - 1 ? e + 1 : e >= 0 ? length + 1 : length + 1 - e);
    if (plainLength > static_cast<int>(exponentForm.size())) return exponentForm;
    if (e >= length - 1) return CPrintf("%.0f", value);
    std::string plain = negative ? "-" : "";
    if (e >= 0) {
        const auto whole = static_cast<std::size_t>(e) + 1;
        plain.append(d.digits, 0, whole);
        plain += '.';
        plain.append(d.digits, whole);
    } else {
        plain += "0.";
        plain.append(static_cast<std::size_t>(-e - 1), '0');
        plain += d.digits;
    }
    return plain;
}

}  // namespace printf_numbers

#if defined(__cpp_lib_to_chars)

// std::to_chars is printf's %.*g and %.*f exactly, and the shortest form,
// and never looks at a locale.
std::string SignificantDecimal(double value, int digits) {
    char buffer[64];  // holds any %.17g
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    if (result.ec != std::errc{}) return printf_numbers::Significant(value, digits);
    return std::string(buffer, result.ptr);
}

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
    if (result.ec != std::errc{}) return printf_numbers::Fixed(value, decimals);
    return std::string(buffer, result.ptr);
}

#else

std::string SignificantDecimal(double value, int digits) { return printf_numbers::Significant(value, digits); }
std::string ShortestDecimal(double value) { return printf_numbers::Shortest(value); }
std::string FixedDecimal(double value, int decimals) { return printf_numbers::Fixed(value, decimals); }

#endif

std::string DoubleToDecimal(double value) { return SignificantDecimal(value, 15); }

}  // namespace corvane
