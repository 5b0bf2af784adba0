#include "state/LeadingNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace corvane {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_EQ(ParseLeadingNumber("5.0"), 5.0);
    EXPECT_EQ(ParseLeadingNumber("  \t12.50"), 12.5);
    EXPECT_EQ(ParseLeadingNumber("12abc"), 12.0);
    EXPECT_EQ(ParseLeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(ParseLeadingNumber("-3.5 cm"), -3.5);
    EXPECT_EQ(ParseLeadingNumber("+7"), 7.0);
    EXPECT_EQ(ParseLeadingNumber(".5"), 0.5);
    EXPECT_EQ(ParseLeadingNumber("5."), 5.0);
    EXPECT_EQ(ParseLeadingNumber("0.1"), 0.1);
}

TEST(LeadingNumber, TextWithoutANumberGivesZero) {
    EXPECT_EQ(ParseLeadingNumber(""), 0.0);
    EXPECT_EQ(ParseLeadingNumber("abc"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("."), 0.0);
    EXPECT_EQ(ParseLeadingNumber("-"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("- 5"), 0.0);  // no blank between sign and digits
    EXPECT_EQ(ParseLeadingNumber("e5"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("\n5"), 0.0);  // only blanks and tabs are skipped
}

TEST(LeadingNumber, ExponentCountsOnlyWhenComplete) {
    EXPECT_EQ(ParseLeadingNumber("1e2"), 100.0);
    EXPECT_EQ(ParseLeadingNumber("1.5E-1"), 0.15);
    EXPECT_EQ(ParseLeadingNumber("2e+1x"), 20.0);
    EXPECT_EQ(ParseLeadingNumber("3e"), 3.0);
    EXPECT_EQ(ParseLeadingNumber("3e+"), 3.0);
    EXPECT_EQ(ParseLeadingNumber("3E-x"), 3.0);
}

TEST(LeadingNumber, BeyondTheDoubleRangeIsInfinite) {
    EXPECT_EQ(ParseLeadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber("1e-999"), 0.0);
}

TEST(LeadingNumber, MinusZeroIsZero) {
    EXPECT_EQ(ParseLeadingNumber("-0"), 0.0);  // compares equal; callers treat it as 0
}

TEST(LeadingNumber, PointIsTheDecimalSeparatorInEveryLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(ParseLeadingNumber("12.75"), 12.75);
    EXPECT_EQ(ParseLeadingNumber("12,75"), 12.0);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace corvane
