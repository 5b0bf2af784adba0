#include "state/LeadingNumber.h"

#include "state/CLocaleNumber.h"

#include <string>

namespace corvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

}  // namespace

std::string_view LeadingNumberText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;

    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t integerEnd = SkipDigits(text, pos);
    std::size_t digits = integerEnd - pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        const std::size_t fraction = fractionEnd - (pos + 1);
        // A lone "." is no number, and "5." is 5.
        if (digits > 0 || fraction > 0) {
            digits += fraction;
            pos = fractionEnd;
        }
    }
    if (digits == 0) return {};

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        const std::size_t exponentEnd = SkipDigits(text, p);
        if (exponentEnd > p) pos = exponentEnd;
    }
    return text.substr(start, pos - start);
}

double ParseLeadingNumber(std::string_view text) {
    const std::string_view number = LeadingNumberText(text);
    if (number.empty()) return 0.0;
    return DecimalToDouble(std::string(number));
}

}  // namespace corvane
