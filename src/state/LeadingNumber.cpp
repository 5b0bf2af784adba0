#include "state/LeadingNumber.h"

#include "state/CLocaleNumber.h"

#include <string>

namespace corvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string_view LeadingNumberText(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const std::size_t start = pos;

    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;

    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    // The point counts only with a digit before or after it.
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fraction = 0;
        const std::size_t afterPoint = pos + 1;
        while (afterPoint + fraction < text.size() && isDigit(text[afterPoint + fraction])) ++fraction;
        if (digits > 0 || fraction > 0) {
            digits += fraction;
            pos = afterPoint + fraction;
        }
    }
    if (digits == 0) return {};

    // An exponent counts only when it is complete: e or E, a sign, digits.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        const std::size_t exponentDigits = p;
        while (p < text.size() && isDigit(text[p])) ++p;
        if (p > exponentDigits) pos = p;
    }
    return text.substr(start, pos - start);
}

double ParseLeadingNumber(std::string_view text) {
    const std::string_view number = LeadingNumberText(text);
    if (number.empty()) return 0.0;
    return DecimalToDouble(std::string(number));
}

} // namespace corvane
