// The plausibility check on the bundled file with one change each: which
// concerns it finds, at which lines of the file.
#include "dose/BeamDataCheck.h"

#include "support/TestData.h"

#include <gtest/gtest.h>

#include <utility>

namespace corvane {
namespace {

using Kind = BeamDataConcernKind;

TEST(BeamDataCheck, FindsEachImplausibleValueAtItsLine) {
    struct Case {
        int line;  // of the bundled file, 1-based
        std::string from, to;
        std::vector<std::pair<Kind, int>> expected;  // kind and line, in the order reported
    };
    const Case cases[] = {
        {1, "", "", {}},  // the bundled file itself
        {11, "0.9970", "1.0970", {{Kind::TmrAboveLimit, 11}, {Kind::TmrFallsWithFieldSize, 11}}},
        {25, "0.5828", "0.6828", {{Kind::TmrRisesWithDepth, 25}, {Kind::TmrFallsWithFieldSize, 25}}},
        {15, "0.9461", "0.9700", {}},  // rising up to 5 cm is allowed: the build-up
        {16, "0.9240", "0.9500", {{Kind::TmrRisesWithDepth, 16}}},
        {45, "1.0000, 1.0000, 1.0000", "1.0100, 0.9900, 1.0000", {}},  // exactly 1 % passes
        {45, "1.0000, 1.0000, 1.0000", "1.0200, 1.0000, 0.9899",
         {{Kind::AxisOcrNotOne, 45}, {Kind::AxisOcrNotOne, 45}}},
        {60, "0.0322", "0.0722", {{Kind::OcrRisesOutsideField, 60}}},
        // A row split over two lines: each value is named at its own line.
        {25, "0.6587, 0.6738", "0.6587\r\n 0.5738", {{Kind::TmrRisesWithDepth, 27}, {Kind::TmrFallsWithFieldSize, 26}}},
        {60, "0.0322", "0.0395", {}},  // within the noise of 0.001
        {54, "0.8974", "0.9990", {}},  // inside the field (x = 0.9)
        {30, "0.5292", "0.4292",
         {{Kind::TmrRisesWithDepth, 31}, {Kind::TmrFallsWithFieldSize, 30}, {Kind::TprOutside6MvRange, 20}}},
        // No TMR at 5 cm for 10 x 10 cm: the reference dose is 0 and the calculation fails.
        {15, "0.9294, 0.9302", "0, 0",
         {{Kind::TmrRisesWithDepth, 16},
          {Kind::TmrRisesWithDepth, 16},
          {Kind::TmrFallsWithFieldSize, 15},
          {Kind::StandardCalculationFails, 0}}},
    };
    for (const Case& c : cases) {
        auto lines = test::BundledLines();
        std::string& line = lines[c.line - 1];
        if (!c.from.empty()) line.replace(line.find(c.from), c.from.size(), c.to);
        const BeamDataLoad loaded = ParseBeamData(test::JoinLines(lines), "beam.dat");
        ASSERT_TRUE(loaded.has_value()) << loaded.error();
        std::vector<std::pair<Kind, int>> found;
        for (const BeamDataConcern& concern : CheckBeamData(loaded->data, loaded->source).concerns)
            found.emplace_back(concern.kind, concern.line);
        EXPECT_EQ(found, c.expected) << "line " << c.line << ": " << c.to;
    }
}

}  // namespace
}  // namespace corvane
