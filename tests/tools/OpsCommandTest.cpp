// corvane-chart ops and print-ops, run as a user runs them.
#include "support/ChartTool.h"

#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::ProcessResult;
using test::RunChartTool;
using test::WithoutBundledData;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using test::ChartFailureText;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

long count(const std::vector<std::string>& all, const std::string& prefix) {
    long n = 0;
    for (const auto& line : all)
        if (line.rfind(prefix, 0) == 0) ++n;
    return n;
}

// The same drawing in this process, for comparison.
struct InProcess {
    std::string text;
    bool failed = false;
};
InProcess drawHere(bool printed, int setup, const char* depth, const char* width, const char* length,
                   int wedge, int mesh) {
    const IrradiationConditions conditions = test::ConditionsWithEntries(setup, wedge, depth, width, length);
    RecordingSurface surface;
    InProcess result;
    try {
        const DoseCalculation computed = ComputeDoseGrid(test::BundledBeamData(), conditions);
        if (printed)
            DrawPrintedChart(computed, surface);
        else
            DrawChart(computed, static_cast<ChartMesh>(mesh), surface);
    } catch (const CalculationFailure&) {
        result.failed = true;
    }
    result.text = surface.text();
    return result;
}

TEST(OpsCommand, WritesTheScreenChartOneOperationPerLine) {
    const ProcessResult r = RunChartTool("ops");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    const auto all = lines(r.out);
    EXPECT_EQ(all.front(), "Cls");  // no page settings
    EXPECT_EQ(all[1], "Line 0 0 0 250 7");
    EXPECT_EQ(all.back(), "Print Wedge filter : non");
    EXPECT_EQ(count(all, "ScaleMode"), 0);
    EXPECT_EQ(count(all, "EndDoc"), 0);
    EXPECT_GE(std::find(all.begin(), all.end(), "Circle 250 50 2 12") - all.begin(), 0);
    EXPECT_NE(std::find(all.begin(), all.end(), "Print  10 x 10 cm"), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "Print  100 %"), all.end());
    EXPECT_EQ(r.out, drawHere(false, 1, "5.0", "10.0", "10.0", 1, 0).text);
}

TEST(OpsCommand, MeshOneAddsTheCentimetreGrid) {
    const ProcessResult coarse = RunChartTool("ops", {"--mesh", "0"});
    const ProcessResult fine = RunChartTool("ops", {"--mesh", "1"});
    const ProcessResult fallback = RunChartTool("ops");
    ASSERT_EQ(coarse.exitCode, 0);
    ASSERT_EQ(fine.exitCode, 0);
    EXPECT_EQ(coarse.out, fallback.out);
    const auto a = lines(coarse.out), b = lines(fine.out);
    EXPECT_EQ(b.size(), a.size() + 49 + 24);
    EXPECT_EQ(b[1], "Line 10 0 10 250 7");
    EXPECT_EQ(b[74], "Line 0 0 0 250 7");
    // The mesh changes the background only.
    EXPECT_EQ(std::vector<std::string>(b.begin() + 74, b.end()),
              std::vector<std::string>(a.begin() + 1, a.end()));
}

TEST(OpsCommand, TakesTheCalculationOptions) {
    const ProcessResult r = RunChartTool("ops", {"--wedge", "45", "--setup", "std", "--depth", "8", "--width",
                                                 "12", "--length", "15abc", "--mesh", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto all = lines(r.out);
    EXPECT_NE(std::find(all.begin(), all.end(), "Print  12 x 15 cm"), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "Print STD = 100 cm"), all.end());
    EXPECT_EQ(all.back(), "Print Wedge filter : 45 degree");
    EXPECT_NE(std::find(all.begin(), all.end(), "Line 150 -115 350 -115 -"), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "Circle 250 80 2 12"), all.end());
    EXPECT_EQ(r.out, drawHere(false, 2, "8", "12", "15abc", 3, 1).text);
}

TEST(OpsCommand, AFortyCentimetreFieldFailsAfterTheOperationsDrawnBeforeIt) {
    const ProcessResult r = RunChartTool("ops", {"--width", "40", "--length", "40"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, ChartFailureText);
    const auto all = lines(r.out);
    ASSERT_GT(all.size(), 100u);
    EXPECT_EQ(all.front(), "Cls");
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(count(all, "Print SSD"), 0);  // the captions come after the curves
    const InProcess here = drawHere(false, 1, "5.0", "40", "40", 1, 0);
    EXPECT_TRUE(here.failed);
    EXPECT_EQ(r.out, here.text);
}

TEST(OpsCommand, AFailedCalculationWritesNoOperations) {
    const ProcessResult r = RunChartTool("ops", {"--setup", "std", "--depth", "20"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, ChartFailureText);
    const ProcessResult p = RunChartTool("print-ops", {"--width", ""});
    EXPECT_EQ(p.exitCode, 1);
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err, ChartFailureText);
}

TEST(OpsCommand, BadUsageExitsTwoWithOneLine) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--mesh", "2"},
                                               {"--mesh", ""},
                                               {"--mesh=1"},
                                               {"--mesh"},
                                               {"--mesh", "1", "--mesh", "0"},
                                               {"--wedge", "90"},
                                               {"stray"},
                                               {"--setup", "SSD"}}) {
        const ProcessResult r = RunChartTool("ops", args);
        EXPECT_EQ(r.exitCode, 2) << args.front();
        EXPECT_EQ(r.out, "") << args.front();
        ASSERT_FALSE(r.err.empty()) << args.front();
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    // print-ops has no mesh.
    const ProcessResult p = RunChartTool("print-ops", {"--mesh", "1"});
    EXPECT_EQ(p.exitCode, 2);
    EXPECT_EQ(p.out, "");
    // A data file that does not load.
    const ProcessResult missing =
        RunChartTool("ops", {"--data", "/nonexistent/6MVTMROCR.dat"}, WithoutBundledData);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, HasSubstr("6MVTMROCR.dat"));
}

TEST(OpsCommand, HelpDescribesTheCommands) {
    const ProcessResult ops = RunChartTool("ops", {"--help"});
    EXPECT_EQ(ops.exitCode, 0);
    EXPECT_THAT(ops.out, HasSubstr("--mesh 0|1"));
    EXPECT_THAT(ops.out, HasSubstr("--width"));
    const ProcessResult print = RunChartTool("print-ops", {"--help"});
    EXPECT_EQ(print.exitCode, 0);
    EXPECT_THAT(print.out, HasSubstr("DrawWidth"));
    const ProcessResult all = RunChartTool("--help", {}, WithoutBundledData);
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_THAT(all.out, HasSubstr("  ops "));
    EXPECT_THAT(all.out, HasSubstr("  print-ops "));
}

TEST(PrintOpsCommand, WritesThePrintedPageWithItsSettings) {
    const ProcessResult r = RunChartTool("print-ops");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto all = lines(r.out);
    ASSERT_GT(all.size(), 60u);
    EXPECT_EQ(all[0], "ScaleMode mm");
    EXPECT_EQ(all[1], "ScaleTop -36");
    EXPECT_EQ(all[2], "ScaleLeft 150");
    EXPECT_EQ(all[3], "Font Times New Roman 16");
    EXPECT_EQ(all[4], "DrawWidth 1");
    const auto width4 = std::find(all.begin(), all.end(), "DrawWidth 4");
    ASSERT_NE(width4, all.end());
    EXPECT_EQ(*(width4 + 1), "Line 250 -30 250 250 -");
    EXPECT_EQ(all.back(), "EndDoc");
    // No wedge: neither Move nor Print for the third caption.
    EXPECT_EQ(count(all, "Move"), 2);
    EXPECT_EQ(count(all, "Print"), 2);
    EXPECT_EQ(all[all.size() - 2], "Print SSD = 100 cm");
    EXPECT_EQ(r.out, drawHere(true, 1, "5.0", "10.0", "10.0", 1, 0).text);
}

TEST(PrintOpsCommand, TheWedgeCaptionStandsToTheRight) {
    const ProcessResult r = RunChartTool("print-ops", {"--wedge", "60"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto all = lines(r.out);
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[all.size() - 3], "Move 270 -24");
    EXPECT_EQ(all[all.size() - 2], "Print Wedge filter : 60 degree");
    EXPECT_NE(std::find(all.begin(), all.end(), "Line 180 -25 320 -25 -"), all.end());
}

TEST(PrintOpsCommand, FieldsTooWideForTheScreenStillPrint) {
    for (const char* width : {"30", "40"}) {
        const ProcessResult r = RunChartTool("print-ops", {"--width", width, "--length", width});
        ASSERT_EQ(r.exitCode, 0) << width << r.err;  // the output may be empty otherwise
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(lines(r.out).back(), "EndDoc");
        EXPECT_EQ(r.out, drawHere(true, 1, "5.0", width, width, 1, 0).text);
    }
    EXPECT_EQ(RunChartTool("ops", {"--width", "40", "--length", "40"}).exitCode, 1);
}

TEST(OpsCommand, OutputDoesNotDependOnTheLocale) {
    for (const char* command : {"ops", "print-ops"}) {
        const ProcessResult plain = RunChartTool(command, {"--depth", "4.37", "--width", "10.5"});
        const ProcessResult german = RunChartTool(command, {"--depth", "4.37", "--width", "10.5"},
                                                  {.environment = test::GermanLocale});
        ASSERT_EQ(plain.exitCode, 0);
        ASSERT_EQ(german.exitCode, 0);
        EXPECT_EQ(plain.out, german.out);
        EXPECT_THAT(plain.out, HasSubstr(" 10.5 x 10 cm"));
    }
}

}  // namespace
}  // namespace corvane
