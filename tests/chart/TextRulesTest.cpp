#include "chart/TextRules.h"
#include "state/CLocaleNumber.h"
#include "state/ConditionsFileName.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>
#include <version>

namespace corvane {
namespace {

// Switches the C and C++ global locales to one that writes decimal commas,
// when the machine has one, and back at the end of the scope.
class CommaLocale {
public:
    CommaLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved_ = previous ? previous : "C";
        // A C library may take the name and still write a point (musl does).
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
            char buffer[8];
            if (std::setlocale(LC_ALL, name) && std::snprintf(buffer, sizeof buffer, "%.1f", 0.5) > 0 &&
                std::string(buffer) == "0,5") {
                active_ = true;
                break;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

TEST(PrintNumberRule, WholeNumbersHaveABlankOnEachSide) {
    EXPECT_EQ(FormatPrintNumber(10), " 10 ");
    EXPECT_EQ(FormatPrintNumber(200), " 200 ");
    EXPECT_EQ(FormatPrintNumber(0), " 0 ");
    EXPECT_EQ(FormatPrintNumber(10.5), " 10.5 ");
}

TEST(PrintNumberRule, NegativeNumbersTakeTheMinusInsteadOfTheBlank) {
    EXPECT_EQ(FormatPrintNumber(-5), "-5 ");
    EXPECT_EQ(FormatPrintNumber(-12.25), "-12.25 ");
}

TEST(PrintNumberRule, TheZeroBeforeThePointIsDropped) {
    EXPECT_EQ(FormatPrintNumber(0.5), " .5 ");
    EXPECT_EQ(FormatPrintNumber(-0.5), "-.5 ");
    EXPECT_EQ(FormatPrintNumber(0.05), " .05 ");
    // Only the lone zero before a point goes; 10.5 keeps its 0.
    EXPECT_EQ(FormatPrintNumber(10.05), " 10.05 ");
}

TEST(PrintNumberRule, MinusZeroIsWrittenZero) { EXPECT_EQ(FormatPrintNumber(-0.0), " 0 "); }

TEST(PrintNumberRule, AtMostFifteenSignificantDigits) {
    EXPECT_EQ(FormatPrintNumber(0.1 + 0.2), " .3 ");  // 0.30000000000000004 at 17 digits
    EXPECT_EQ(FormatPrintNumber(1.0 / 3), " .333333333333333 ");
    EXPECT_EQ(FormatPrintNumber(2.0 / 3), " .666666666666667 ");
    EXPECT_EQ(FormatPrintNumber(123456789012345.0), " 123456789012345 ");
    EXPECT_EQ(FormatPrintNumber(0.1 * 3), " .3 ");
}

TEST(PrintNumberRule, ExponentsAreWrittenWithACapitalE) {
    EXPECT_EQ(FormatPrintNumber(1e20), " 1E+20 ");
    EXPECT_EQ(FormatPrintNumber(1e-5), " 1E-05 ");
    EXPECT_EQ(FormatPrintNumber(-2.5e-7), "-2.5E-07 ");
    EXPECT_EQ(FormatPrintNumber(1234567890123456789.0), " 1.23456789012346E+18 ");
    EXPECT_EQ(FormatPrintNumber(1e15), " 1E+15 ");
    EXPECT_EQ(FormatPrintNumber(1e14), " 100000000000000 ");
}

TEST(PrintNumberRule, AlwaysAPointWhateverTheLocale) {
    CommaLocale comma;
    if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    ASSERT_EQ(std::string(buffer), "0,5");  // the locale is really in force
    EXPECT_EQ(FormatPrintNumber(10.5), " 10.5 ");
    EXPECT_EQ(FormatPrintNumber(0.5), " .5 ");
    EXPECT_EQ(FormatNumber17(0.1), "0.10000000000000001");
    EXPECT_EQ(FormatDoseBox(0.57349), "57.3");
    // And in the file names the save dialogs propose, in the shortest form.
    EXPECT_EQ(ConditionsFileName({BeamSetup::Std, 8.5, 12, 7.5, 25, WedgeFilter::None}, ".png"),
              "std-8.5cm-12x7.5.png");
    EXPECT_EQ(ConditionsFileName({BeamSetup::Ssd, 5, 0.25, 10, 25, WedgeFilter::Deg45}, "-profiles.csv"),
              "ssd-5cm-0.25x10-w45-profiles.csv");
}

TEST(DoseBoxRule, OneDecimalAfterAtLeastOneDigit) {
    EXPECT_EQ(FormatDoseBox(0.57349), "57.3");
    EXPECT_EQ(FormatDoseBox(1), "100.0");
    EXPECT_EQ(FormatDoseBox(0.0004), "0.0");
    EXPECT_EQ(FormatDoseBox(0.99951), "100.0");
    EXPECT_EQ(FormatDoseBox(0.00049), "0.0");
    EXPECT_EQ(FormatDoseBox(1.23456), "123.5");
    EXPECT_EQ(FormatDoseBox(123.456), "12345.6");  // no thousands separator
}

TEST(DoseBoxRule, EmptyUnlessAboveZero) {
    EXPECT_EQ(FormatDoseBox(0), "");
    EXPECT_EQ(FormatDoseBox(-0.0), "");
    EXPECT_EQ(FormatDoseBox(-0.5), "");
    EXPECT_EQ(FormatDoseBox(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(FormatDoseBox(std::numeric_limits<double>::denorm_min()), "0.0");
}

TEST(DoseBoxRule, HalfwayValuesRoundAwayFromZero) {
    // d x 100 as computed lands exactly on a hundredth ending in 5 only for
    // odd multiples of 0.25; those go up, where printf would go to even.
    for (double percent : {0.25, 0.75, 12.25, 12.75, 99.75, 100.25}) {
        const double d = percent / 100;
        if (d * 100 != percent) continue;  // only the products that are exact ties
        const double up = std::ceil(percent * 10) / 10;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.1f", up);
        EXPECT_EQ(FormatDoseBox(d), expected) << percent;
    }
    EXPECT_EQ(FormatDoseBox(0.0025), "0.3");   // 0.0025 x 100 = 0.25 exactly
    EXPECT_EQ(FormatDoseBox(0.1225), "12.3");  // 12.25 exactly
    EXPECT_EQ(FormatDoseBox(0.0075), "0.8");
    // Just below a tie, as the product is computed: rounds down.
    EXPECT_EQ(FormatDoseBox(std::nextafter(0.0025, 0.0)), "0.2");
    // 0.15 x 100 is 15.000000000000002: no tie; 0.125 x 100 = 12.5 exactly.
    EXPECT_EQ(FormatDoseBox(0.15), "15.0");
    EXPECT_EQ(FormatDoseBox(0.125), "12.5");
}

TEST(DoseBoxRule, TheSeparatorIsTheCallersOrAPoint) {
    EXPECT_EQ(FormatDoseBox(0.57349, ","), "57,3");
    EXPECT_EQ(FormatDoseBox(1, ","), "100,0");
    EXPECT_EQ(FormatDoseBox(1), "100.0");
}

TEST(WholeNumberRule, DigitsWithAMinusWhenNegative) {
    EXPECT_EQ(FormatWholeNumber(-250), "-250");
    EXPECT_EQ(FormatWholeNumber(-1), "-1");
    EXPECT_EQ(FormatWholeNumber(0), "0");
    EXPECT_EQ(FormatWholeNumber(37), "37");
    EXPECT_EQ(FormatWholeNumber(250), "250");
}

// The recorded operations and the dose matrix: printf's %.17g, so that every
// value reads back exactly, -0 written 0 and the non-finite values as printf
// writes them.
TEST(Number17Rule, IsPrintfSeventeenGInTheCLocale) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {0.1, 1.0 / 3, 99.5, -21448.239228976247, 1e20, 1e-5, 123456789.123, 250.0, -36.0, 5e-324,
                     1.7976931348623157e308, inf, -inf, nan, -nan}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.17g", v);
        EXPECT_EQ(FormatNumber17(v), expected);
    }
    EXPECT_EQ(FormatNumber17(0.1), "0.10000000000000001");
    EXPECT_EQ(FormatNumber17(250), "250");
    EXPECT_EQ(FormatNumber17(-0.0), "0");
    EXPECT_EQ(FormatNumber17(0.0), "0");
    EXPECT_EQ(FormatNumber17(-inf), "-inf");
    EXPECT_EQ(FormatNumber17(nan), "nan");
}

// A library without std::to_chars for doubles (the browser build's) writes
// every number through printf: where both exist, both must give each text.
TEST(PrintfNumbers, GiveWhatToCharsGives) {
#if !defined(__cpp_lib_to_chars)
    GTEST_SKIP() << "no std::to_chars for doubles here: the rules above ran on the printf path";
#else
    std::vector<double> values{0.43, 250, 1e-5, 1e-4, 1e22, 1e23, 123456789012345680000.0, 1.5e17,
                               5e-324, 1.7976931348623157e308, 2.2250738585072014e-308, 0.1, 1.0 / 3,
                               9007199254740993.0, 72057594037927936.0, -0.5, -1234.5678};
    std::mt19937_64 random(18);
    for (int n = 0; n < 20000; ++n) {
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
        values.push_back(std::ldexp(1.0, static_cast<int>(bits % 2098) - 1074));  // powers of two
        values.push_back(static_cast<double>(bits % 100000) / 10000);           // table-like decimals
    }
    for (double v : values) {
        ASSERT_EQ(printf_numbers::Shortest(v), ShortestDecimal(v)) << FormatNumber17(v);
        ASSERT_EQ(printf_numbers::Significant(v, 15), DoubleToDecimal(v)) << FormatNumber17(v);
        ASSERT_EQ(printf_numbers::Significant(v, 17), SignificantDecimal(v, 17)) << FormatNumber17(v);
        ASSERT_EQ(printf_numbers::Fixed(v, 1), FixedDecimal(v, 1)) << FormatNumber17(v);
    }
#endif
}

}  // namespace
}  // namespace corvane
