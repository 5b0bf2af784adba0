// How numbers are written in the chart texts (captions, level labels), the
// cursor readout and the machine-readable outputs. Everything here is
// locale-independent and the same with every compiler: the digits come from
// CLocaleNumber.h.
#include "chart/TextRules.h"

#include "state/CLocaleNumber.h"

#include <cmath>
#include <string>

namespace corvane {

std::string FormatPrintNumber(double value) {
    if (value == 0) value = 0.0;  // -0 is written 0
    std::string digits = DoubleToDecimal(value);

    bool negative = false;
    if (!digits.empty() && digits.front() == '-') {
        negative = true;
        digits.erase(0, 1);
    }
    // "1e+20" -> "1E+20", "1e-05" -> "1E-05".
    for (char& c : digits)
        if (c == 'e') c = 'E';
    // The 0 before the point is dropped: "0.5" -> ".5". A lone "0" stays.
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);

    std::string text;
    text.reserve(digits.size() + 2);
    text += negative ? '-' : ' ';
    text += digits;
    text += ' ';
    return text;
}

std::string FormatDoseBox(double d, std::string_view decimalSeparator) {
    if (!(d > 0)) return {};         // 0, below 0 and NaN: an empty box
    const double percent = d * 100;  // as computed, then rounded
    if (!std::isfinite(percent)) return {};

    std::string text;
    // A tie at the hundredths (x.x5 exactly) needs the binary value to be an
    // odd multiple of 0.25: those are rounded up here (half away from zero,
    // the value being positive). Every other value is rounded exactly by
    // FixedDecimal, for which no tie exists.
    const double quarters = percent * 4;  // exact: a power-of-two scaling
    if (quarters < 9007199254740992.0 && quarters == std::floor(quarters) &&
        std::fmod(quarters, 2.0) == 1.0) {
        // percent = q / 4 with q odd; tenths = ceil(q * 10 / 4) = (10q + 2) / 4.
        const long long q = static_cast<long long>(quarters);
        const long long tenths = (q * 10 + 2) / 4;
        text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    } else {
        text = FixedDecimal(percent, 1);
    }
    // "##0.0": the point becomes the locale's separator.
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

std::string FormatWholeNumber(long long value) { return std::to_string(value); }

std::string FormatNumber17(double value) {
    if (value == 0) value = 0.0;  // -0 is written 0
    return SignificantDecimal(value, 17);
}

}  // namespace corvane
