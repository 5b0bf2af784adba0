// corvane-chart never reports success when its output did not reach
// standard output.
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

using test::ChartFailureText;
using test::ProcessResult;

const std::string Data = CORVANE_TEST_DATA_FILE;

TEST(OutputFailure, AFullDeviceExitsThreeWithTheSystemsReason) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::string full = ": cannot write the output: No space left on device\n";
    const std::vector<Case> cases{
        {{"dose", "--data", Data}, 3, "corvane-chart dose" + full},
        {{"ops", "--data", Data}, 3, "corvane-chart ops" + full},
        {{"print-ops", "--data", Data}, 3, "corvane-chart print-ops" + full},
        {{"--help"}, 3, "corvane-chart" + full},
        {{"dose", "--help"}, 3, "corvane-chart dose" + full},
        {{"ops", "--help"}, 3, "corvane-chart ops" + full},
        {{"print-ops", "--help"}, 3, "corvane-chart print-ops" + full},
        // The operations drawn before a failure are lost too: 3 wins over 1.
        {{"ops", "--data", Data, "--width", "40", "--length", "40"},
         3,
         ChartFailureText + "corvane-chart ops" + full},
        // Nothing was to be written: the code stays.
        {{"dose", "--data", Data, "--depth", "25.1"}, 1, ChartFailureText},
        {{"print-ops", "--data", Data, "--mesh", "1"},
         2,
         "corvane-chart print-ops: unknown option \"--mesh\"\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv{CORVANE_CHART_EXECUTABLE};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        // The reason is in English whatever the locale.
        const ProcessResult run =
            test::RunProcess(argv, {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"}, {}, "/dev/full");
        EXPECT_EQ(run.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.err, c.err) << ::testing::PrintToString(c.args);
    }
}

TEST(OutputFailure, AFileSizeLimitStopsTheMatrixAndExitsThree) {
    test::TemporaryFolder folder;
    const auto file = folder.path() / "dose.csv";
    const ProcessResult run = test::RunProcess(
        test::UnderFileSizeLimit({CORVANE_CHART_EXECUTABLE, "dose", "--data", Data}), {}, {}, file);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "corvane-chart dose: cannot write the output: File too large\n");
    // Only the start of the matrix got there.
    const std::string written = test::ReadFile(file);
    EXPECT_GT(written.size(), 0u);
    EXPECT_LT(written.size(), 2000u);
}

}  // namespace
}  // namespace corvane
