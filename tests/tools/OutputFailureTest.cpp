// corvane-chart never reports success when its output did not reach
// standard output.
#include "support/ChartTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

using test::ChartFailureText;
using test::ProcessResult;
using test::RunChartTool;

TEST(OutputFailure, AFullDeviceExitsThreeWithTheSystemsReason) {
    struct Case {
        std::string command;
        std::vector<std::string> args;
        bool bundledData;  // --data with the bundled file after the command
        int exitCode;
        std::string err;
    };
    const std::string full = ": cannot write the output: No space left on device\n";
    const std::vector<Case> cases{
        {"dose", {}, true, 3, "corvane-chart dose" + full},
        {"ops", {}, true, 3, "corvane-chart ops" + full},
        {"print-ops", {}, true, 3, "corvane-chart print-ops" + full},
        {"check-data", {}, true, 3, "corvane-chart check-data" + full},
        {"--help", {}, false, 3, "corvane-chart" + full},
        {"dose", {"--help"}, false, 3, "corvane-chart dose" + full},
        {"ops", {"--help"}, false, 3, "corvane-chart ops" + full},
        {"print-ops", {"--help"}, false, 3, "corvane-chart print-ops" + full},
        // The operations drawn before a failure are lost too: 3 wins over 1.
        {"ops", {"--width", "40", "--length", "40"}, true, 3, ChartFailureText + "corvane-chart ops" + full},
        // Nothing was to be written: the code stays.
        {"dose", {"--depth", "25.1"}, true, 1, ChartFailureText},
        {"print-ops", {"--mesh", "1"}, true, 2, "corvane-chart print-ops: unknown option \"--mesh\"\n"},
    };
    for (const Case& c : cases) {
        // The reason is in English whatever the locale.
        const ProcessResult run = RunChartTool(
            c.command, c.args,
            {.bundledData = c.bundledData, .environment = test::GermanLocale, .standardOutput = "/dev/full"});
        const std::string what = c.command + " " + ::testing::PrintToString(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_EQ(run.err, c.err) << what;
    }
}

TEST(OutputFailure, AFileSizeLimitStopsTheMatrixAndExitsThree) {
    test::TemporaryFolder folder;
    const auto file = folder.path() / "dose.csv";
    const ProcessResult run = RunChartTool("dose", {}, {.standardOutput = file, .fileSizeLimit = true});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "corvane-chart dose: cannot write the output: File too large\n");
    // Only the start of the matrix got there.
    const std::string written = test::ReadFile(file);
    EXPECT_GT(written.size(), 0u);
    EXPECT_LT(written.size(), 2000u);
}

}  // namespace
}  // namespace corvane
