#include "state/LeadingNumber.h"

#include "state/CLocaleNumber.h"

#include <string>

namespace corvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double ParseLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;

    std::string number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number += text[pos++];

    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        number += text[pos++];
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fraction = 0;
        std::size_t afterPoint = pos + 1;
        while (afterPoint + fraction < text.size() && isDigit(text[afterPoint + fraction])) ++fraction;
        if (digits > 0 || fraction > 0) {
            number.append(text.substr(pos, 1 + fraction));
            digits += fraction;
            pos = afterPoint + fraction;
        }
    }
    if (digits == 0) return 0.0;

    // An exponent counts only when it is complete: e or E, a sign, digits.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        std::size_t start = p;
        while (p < text.size() && isDigit(text[p])) ++p;
        if (p > start) number.append(text.substr(pos, p - pos));
    }
    return DecimalToDouble(number);
}

} // namespace corvane
