#include "support/ChartTool.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/stat.h>

namespace corvane {
namespace {

using test::ProcessResult;
using test::RunChartTool;
using test::WithoutBundledData;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using test::ChartFailureText;

std::vector<std::vector<std::string>> table(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

TEST(DoseCommand, WritesTheWholeMatrixOneDepthRowPerLine) {
    const ProcessResult run = RunChartTool("dose");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_EQ(run.out.find(' '), std::string::npos);
    const auto rows = table(run.out);
    ASSERT_EQ(rows.size(), 301u);
    for (const auto& row : rows) ASSERT_EQ(row.size(), 501u);
    EXPECT_EQ(rows[50][250], "1");
    EXPECT_EQ(rows[300][250], "0");
    EXPECT_EQ(rows[50][0], "0");
    EXPECT_EQ(rows[50][249], rows[50][251]);
    // 17 significant digits, so that the value reads back exactly.
    EXPECT_EQ(rows[50][251].size(), std::string("1.0000126984126985").size());
    double value = 0;
    std::sscanf(rows[100][260].c_str(), "%lf", &value);
    char again[64];
    std::snprintf(again, sizeof again, "%.17g", value);
    EXPECT_EQ(rows[100][260], again);
}

TEST(DoseCommand, OutputDoesNotDependOnTheLocale) {
    const ProcessResult plain = RunChartTool("dose", {"--wedge", "45"});
    const ProcessResult german = RunChartTool("dose", {"--wedge", "45"}, {.environment = test::GermanLocale});
    ASSERT_EQ(plain.exitCode, 0);
    ASSERT_EQ(german.exitCode, 0);
    EXPECT_EQ(plain.out, german.out);
}

TEST(DoseCommand, OptionsComeInAnyOrderAndTakeTheNextArgument) {
    const ProcessResult a = RunChartTool("dose", {"--width", "12", "--setup", "std", "--depth", "8"});
    const ProcessResult b = RunChartTool("dose", {"--depth", "8", "--width", "12abc", "--setup", "std"});
    ASSERT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    // A value that starts with "-" is still a value: a negative depth fails.
    const ProcessResult negative = RunChartTool("dose", {"--depth", "-5"});
    EXPECT_EQ(negative.exitCode, 1);
    EXPECT_EQ(negative.out, "");
    EXPECT_EQ(negative.err, ChartFailureText);
    // An empty depth reads as 0: the surface cell is the reference.
    const ProcessResult empty = RunChartTool("dose", {"--depth", ""});
    ASSERT_EQ(empty.exitCode, 0);
    EXPECT_EQ(table(empty.out)[0][250], "1");
}

TEST(DoseCommand, CalculationFailuresExitWithTheTwoMessages) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--setup", "std", "--depth", "20"},
                                                                  {"--depth", "25.1"},
                                                                  {"--width", ""},
                                                                  {"--width", "0.5"},
                                                                  {"--width", "0", "--length", "0"},
                                                                  {"--length", "0"},
                                                                  {"--length", ""},
                                                                  {"--width", "1e999"}}) {
        const ProcessResult run = RunChartTool("dose", args);
        EXPECT_EQ(run.exitCode, 1) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_EQ(run.err, ChartFailureText) << args[1];
    }
}

TEST(DoseCommand, BadUsageExitsWith2AndOneLine) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--depth=5"},
                                                                  {"--depth", "5", "--depth", "6"},
                                                                  {"--frobnicate", "1"},
                                                                  {"--setup", "SSD"},
                                                                  {"--wedge", "15"},
                                                                  {"--depth"},
                                                                  {"stray"},
                                                                  {"--setup", "\x1b[2J\nssd"}}) {
        const ProcessResult run = RunChartTool("dose", args);
        EXPECT_EQ(run.exitCode, 2) << args[0];
        EXPECT_EQ(run.out, "") << args[0];
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << "an argument must not steer the terminal";
    }
}

TEST(DoseCommand, ADataFileThatDoesNotLoadExitsWith2) {
    test::TemporaryFolder folder;
    const auto fifo = folder.path() / "fifo.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A FIFO with no writer and /dev/zero would block or run for ever if read.
    for (const auto& [file, expected] : std::vector<std::pair<std::string, std::string>>{
             {folder.write("short.dat", "a\nb\nc\n0, 1, 2\n").string(), "ends early"},
             {fifo.string(), "named pipe (FIFO), not a regular file"},
             {"/dev/zero", "character device, not a regular file"}}) {
        const ProcessResult run = RunChartTool("dose", {"--data", file}, WithoutBundledData);
        EXPECT_EQ(run.exitCode, 2) << file;
        EXPECT_EQ(run.out, "") << file;
        EXPECT_THAT(run.err, AllOf(StartsWith("corvane-chart dose: Beam data file"), HasSubstr(expected)));
    }
}

TEST(DoseCommand, OcrRowsOutOfPlaceWarnAndComputeAsBefore) {
    // The positions of OCR rows 3 and 4 swapped; the rows' values are not.
    auto lines = test::BundledLines();
    const std::string third = lines[46].substr(0, 5);
    lines[46].replace(0, 5, lines[47].substr(0, 5));
    lines[47].replace(0, 5, third);
    test::TemporaryFolder folder;
    const auto file = folder.write("swapped.dat", test::JoinLines(lines));
    const ProcessResult run = RunChartTool("dose", {"--data", file.string()}, WithoutBundledData);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.err, AllOf(StartsWith("corvane-chart dose: warning: Beam data file"),
                               HasSubstr("line 47"), HasSubstr("line 48")));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_TRUE(run.out == RunChartTool("dose").out) << "the calculation must not change";
}

TEST(DoseCommand, FindsTheBundledFileWithoutDataOption) {
    // From a folder without the file, the copy beside the executable is used.
    test::TemporaryFolder folder;
    const ProcessResult run =
        RunChartTool("dose", {}, {.bundledData = false, .workingDirectory = folder.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, RunChartTool("dose").out);
}

TEST(DoseCommand, HelpDescribesTheContract) {
    const ProcessResult run = RunChartTool("--help", {}, WithoutBundledData);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, StartsWith("Usage: corvane-chart"));
    EXPECT_THAT(run.out, HasSubstr("--wedge non|30|45|60"));
    EXPECT_THAT(run.out, HasSubstr("Exit codes"));
    const ProcessResult commandHelp = RunChartTool("dose", {"--help"}, WithoutBundledData);
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_THAT(commandHelp.out, HasSubstr("%.17g"));
}

}  // namespace
}  // namespace corvane
