// corvane-chart profile, run as a user runs it: its CSV against the cells of
// the dose command's matrix, and its usage errors.
#include "support/ChartTool.h"

#include "chart/TextRules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::ProcessResult;
using test::RunChartTool;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// The dose command's matrix: [J][I] as the numbers it wrote.
std::vector<std::vector<double>> DoseMatrixOf(const std::vector<std::string>& conditions) {
    const ProcessResult r = RunChartTool("dose", conditions);
    std::vector<std::vector<double>> rows;
    if (r.exitCode != 0) return rows;
    for (const std::string& line : Split(r.out, '\n')) {
        std::vector<double> row;
        for (const std::string& cell : Split(line, ',')) row.push_back(std::strtod(cell.c_str(), nullptr));
        rows.push_back(row);
    }
    return rows;
}

TEST(ProfileCommand, WritesOneColumnOrOneRowOfTheDoseGridInPercent) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> conditions;
        bool depthAxis;
        int at;
    };
    const std::vector<std::string> wedged{"--setup", "std", "--depth", "8", "--width", "12", "--wedge", "45"};
    const Case cases[] = {
        {{"--axis", "depth", "--at", "0"}, {}, true, 0},
        {{"--at", "-37", "--axis", "depth"}, wedged, true, -37},
        {{"--axis", "depth", "--at", "250"}, {}, true, 250},
        {{"--axis", "lateral", "--at", "50"}, {}, false, 50},
        {{"--axis", "lateral", "--at", "0"}, wedged, false, 0},
        {{"--axis", "lateral", "--at", "250"}, wedged, false, 250},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), c.conditions.begin(), c.conditions.end());
        SCOPED_TRACE(::testing::PrintToString(args));
        const ProcessResult r = RunChartTool("profile", args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto matrix = DoseMatrixOf(c.conditions);
        ASSERT_EQ(matrix.size(), 301u);

        const std::vector<std::string> lines = Split(r.out, '\n');
        ASSERT_EQ(lines.size(), c.depthAxis ? 252u : 502u);
        EXPECT_EQ(lines.front(), "position_mm,dose_percent");
        EXPECT_EQ(r.out.back(), '\n');
        for (std::size_t n = 1; n < lines.size(); ++n) {
            const int position = c.depthAxis ? static_cast<int>(n) - 1 : static_cast<int>(n) - 1 - 250;
            const double cell = c.depthAxis ? matrix[n - 1][250 + c.at] : matrix[c.at][n - 1];
            ASSERT_EQ(lines[n], FormatWholeNumber(position) + "," + FormatNumber17(100 * cell))
                << "line " << n;
        }
    }
    // The German locale's decimal comma never reaches the output.
    const ProcessResult german =
        RunChartTool("profile", {"--axis", "depth", "--at", "0"}, {.environment = test::GermanLocale});
    EXPECT_EQ(german.out, RunChartTool("profile", {"--axis", "depth", "--at", "0"}).out);
}

TEST(ProfileCommand, BadUsageAndFailuresHaveTheToolsExitCodes) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;  // a part of the one line on standard error
    };
    const Case cases[] = {
        {{"--at", "0"}, 2, "--axis depth|lateral is required"},
        {{"--axis", "depth"}, 2, "--at N is required"},
        {{"--axis", "across", "--at", "0"}, 2, "--axis takes depth or lateral"},
        {{"--axis", "depth", "--at", "251"}, 2, "from -250 to 250, not \"251\""},
        {{"--axis", "depth", "--at", "-251"}, 2, "from -250 to 250"},
        {{"--axis", "depth", "--at", "1.5"}, 2, "whole mm"},
        {{"--axis", "depth", "--at", "+3"}, 2, "whole mm"},
        {{"--axis", "depth", "--at", ""}, 2, "whole mm"},
        {{"--axis", "lateral", "--at", "-1"}, 2, "from 0 to 250, not \"-1\""},
        {{"--axis", "lateral", "--at", "251"}, 2, "from 0 to 250"},
        {{"--axis", "lateral", "--at", "ten"}, 2, "from 0 to 250"},
        {{"--axis=depth", "--at", "0"}, 2, "write the value as a separate argument"},
        {{"--axis", "depth", "--at", "0", "--mesh", "1"}, 2, "unknown option"},
        {{"--axis", "depth", "--at", "0", "--setup", "xyz"}, 2, "--setup takes ssd or std"},
        {{"--axis", "depth", "--at", "0", "--setup", "std", "--depth", "20"}, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ProcessResult r = RunChartTool("profile", c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, "");
        if (c.exitCode == 1) {
            EXPECT_EQ(r.err, test::ChartFailureText);
        } else {
            EXPECT_THAT(r.err, StartsWith("corvane-chart profile: "));
            EXPECT_THAT(r.err, HasSubstr(c.message));
            EXPECT_EQ(Split(r.err, '\n').size(), 1u);
        }
    }
    const ProcessResult help = RunChartTool("profile", {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("--axis depth|lateral"));
    EXPECT_THAT(RunChartTool("--help", {}, test::WithoutBundledData).out, HasSubstr("profile --axis"));
    // A full standard output is exit 3, as for every command.
    const ProcessResult full =
        RunChartTool("profile", {"--axis", "lateral", "--at", "9"}, {.standardOutput = "/dev/full"});
    EXPECT_EQ(full.exitCode, 3);
}

}  // namespace
}  // namespace corvane
