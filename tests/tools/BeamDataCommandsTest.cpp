// corvane-chart check-data and convert, run as a user runs them.
#include "support/ChartTool.h"

#include "state/CLocaleNumber.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::RunChartTool;
using test::WithoutBundledData;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// `text` with `from` in line `line` (1-based) replaced by `to`.
std::string Edited(const std::string& text, int line, const std::string& from, const std::string& to) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l.substr(0, l.find('\r')));
    std::string& edited = lines[line - 1];
    edited.replace(edited.find(from), from.size(), to);
    return test::JoinLines(lines);
}

TEST(CheckDataCommand, SummaryOnStandardOutputAndAWarningPerImplausibleValue) {
    const auto run = RunChartTool("check-data");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    std::string table = "  field_cm  depth_mm     TMR  line\n";
    for (const char* field : {"4", "6", "8", "10", "12", "15", "20", "25", "30", "35"})
        table += std::string(10 - std::strlen(field), ' ') + field + "      15.0  1.0000    10\n";
    EXPECT_THAT(run.out, HasSubstr("\"\nDepth of maximum dose, the largest TMR of each field:\n" + table +
                                   "TPR20,10 of the 10 x 10 cm field: 0.6818 = TMR 0.5292 at 20 cm (line 30) "
                                   "/ TMR 0.7762 at 10 cm (line 20)\n"));
    EXPECT_THAT(run.out, HasSubstr("OCR on the axis (line 45): 1.0000 at 0 cm, 1.0000 at 15 cm, 1.0000 at 30 cm\n"));

    // The PDDs are the profile command's depth dose on the axis, relative to its maximum.
    std::istringstream profile(RunChartTool("profile", {"--axis", "depth", "--at", "0"}).out);
    std::vector<double> dose;
    for (std::string line; std::getline(profile, line);)
        if (line[0] != 'p') dose.push_back(std::strtod(line.c_str() + line.find(',') + 1, nullptr));
    const double maximum = *std::max_element(dose.begin(), dose.end());
    EXPECT_THAT(run.out, HasSubstr("SSD 100 cm: " + FixedDecimal(100 * dose[100] / maximum, 2) + " % at 10 cm, " +
                                   FixedDecimal(100 * dose[200] / maximum, 2) + " % at 20 cm (maximum at 15 mm)\n"));

    test::TemporaryFolder folder;
    std::string text = ReadFile(test::BundledDataFile());
    text = Edited(Edited(Edited(text, 11, "0.9970", "1.0970"), 45, "1.0000", "1.0200"), 60, "0.0322", "0.0722");
    const auto warned = RunChartTool("check-data", {"--data", folder.write("w.dat", text)}, WithoutBundledData);
    EXPECT_EQ(warned.exitCode, 0);
    const std::string w = "corvane-chart check-data: warning: ";
    EXPECT_EQ(warned.err,
              w + "line 11: the TMR 1.097 of the 4 cm field at 20 mm is above 1.05; a TMR is 1 at the depth of "
                  "maximum dose and cannot lie much above it.\n" +
                  w + "line 11: at 20 mm the TMR falls from 1.097 for the 4 cm field to 0.9975 for the 6 cm "
                      "field; a larger field adds scatter, so its TMR is not lower.\n" +
                  w + "line 45: the OCR on the axis at 0 cm depth is 1.02, more than 1 % from 1; the profiles "
                      "are relative to the axis, where the OCR is 1.\n" +
                  w + "line 60: the OCR at 0 cm depth rises beyond the field edge, from 0.0387 at x = 1.4 to "
                      "0.0722 at x = 1.5; outside the field the dose falls with the distance from the edge.\n");

    // Every TMR 1.5: three warnings of a kind, then how many more.
    auto lines = test::BundledLines();
    std::string tmrs;
    for (int j = 0; j < 10; ++j) tmrs += ", 1.5";
    for (int i = 3; i < 40; ++i) lines[i] = lines[i].substr(0, lines[i].find(',')) + tmrs;
    const auto hostile =
        RunChartTool("check-data", {"--data", folder.write("h.dat", test::JoinLines(lines))}, WithoutBundledData);
    EXPECT_EQ(hostile.exitCode, 0);
    EXPECT_THAT(hostile.err, HasSubstr(w + "and 367 more TMRs above 1.05.\n"));
    EXPECT_LE(std::count(hostile.err.begin(), hostile.err.end(), '\n'), 20);
}

TEST(ConvertCommand, ARoundTripThroughCsvKeepsEveryNumberAndTheDose) {
    test::TemporaryFolder folder;
    const fs::path dir = folder.path();
    ASSERT_EQ(RunChartTool("convert", {"--to-csv", dir.string()}).exitCode, 0);
    const std::vector<std::string> back{"--tmr", (dir / "tmr.csv").string(), "--ocr", (dir / "ocr.csv").string(),
                                        "--heading", "My 6 MV", "--out"};
    auto to = [&](const std::string& out) {
        auto args = back;
        args.push_back((dir / out).string());
        return RunChartTool("convert", args, WithoutBundledData).exitCode;
    };
    ASSERT_EQ(to("a.dat"), 0);
    const auto dose = [&](const fs::path& data) {
        return RunChartTool("dose", {"--data", data.string(), "--wedge", "60"}, WithoutBundledData).out;
    };
    EXPECT_EQ(dose(dir / "a.dat"), dose(test::BundledDataFile()));

    // The layout of the bundled file, with CR LF line ends.
    const auto bundled = test::BundledLines();
    std::istringstream made(ReadFile(dir / "a.dat"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(made, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines[0], "My 6 MV\r");
    for (int i : {2, 40, 41, 42, 43, 65}) EXPECT_EQ(lines[i], bundled[i] + "\r") << i;

    // A spreadsheet's byte order mark and LF line ends make the same file.
    std::string tmr = ReadFile(dir / "tmr.csv");
    tmr.erase(std::remove(tmr.begin(), tmr.end(), '\r'), tmr.end());
    folder.write("tmr.csv", "\xEF\xBB\xBF" + tmr);
    ASSERT_EQ(to("b.dat"), 0);
    EXPECT_EQ(ReadFile(dir / "b.dat"), ReadFile(dir / "a.dat"));
}

TEST(ConvertCommand, RefusesACsvFileThatDoesNotFitWithItsLineAndColumn) {
    test::TemporaryFolder folder;
    const fs::path dir = folder.path();
    ASSERT_EQ(RunChartTool("convert", {"--to-csv", dir.string()}).exitCode, 0);
    const std::string tmr = ReadFile(dir / "tmr.csv"), ocr = ReadFile(dir / "ocr.csv");
    struct Case {
        bool inTmr;
        int line;
        std::string from, to, expected;
    };
    const Case cases[] = {
        {true, 1, "35", "36", "line 1, column 11: the header must be depth_mm,4,6,8,10,12,15,20,25,30,35; "
                              "column 11 holds \"36\""},
        {true, 1, ",4,6", ";4;6", "line 1, column 1: the header must be depth_mm,4,6,8,10,12,15,20,25,30,35 "
                                  "(fields separated by commas, with \".\" as the decimal point)"},
        {true, 3, "0.5831", "0,5831", "line 3, column 12: the row holds more numbers; a row holds 11 numbers"},
        {true, 3, "0.5831", "0.5831x", "line 3, column 3: the field \"0.5831x\" is not a decimal number"},
        {true, 3, "0.5831", "nan", "line 3, column 3: the field \"nan\" is not a decimal number"},
        {true, 3, "0.5831", "", "line 3, column 3: an empty field"},
        {true, 3, "0.5831", "1e999", "line 3, column 3: the number \"1e999\" is too large (not finite)"},
        {true, 3, "0.5831", "-0.5831", "line 3, column 3: the value \"-0.5831\" is negative"},
        {true, 4, "5,", "1,", "line 4, column 1: the depths must ascend, but 1 mm follows 2 mm"},
        {true, 10, "", "\r\n", "line 10, column 1: an empty line inside the table"},
        {true, 38, "300,0.3036,0.3187,0.335,0.35,0.3642,0.3804,0.403,0.4233,0.4383,0.4492", "",
         "line 38, column 1: the file ends after 36 rows; the TMR table has 37 rows"},
        {true, 38, "", "310,1,1,1,1,1,1,1,1,1,1\r\n", "line 39, column 1: more rows than the TMR table's 37"},
        {false, 1, "x", "X", "line 1, column 1: the header must be x,0,15,30; column 1 holds \"X\""},
        {false, 5, ",0.9975", "", "line 5, column 4: the row ends after 3 numbers; a row holds 4 numbers"},
        {false, 2, "0,1", "0.05,1", "line 2, column 1: x = 0.05 does not fit row 1, x = 0.0 (within 0.005)"},
    };
    for (const Case& c : cases) {
        const fs::path csv = folder.write("edited.csv", Edited(c.inTmr ? tmr : ocr, c.line, c.from, c.to));
        const auto run = RunChartTool("convert",
                                      {"--tmr", c.inTmr ? csv.string() : (dir / "tmr.csv").string(), "--ocr",
                                       c.inTmr ? (dir / "ocr.csv").string() : csv.string(), "--heading", "h",
                                       "--out", (dir / "x.dat").string()},
                                      WithoutBundledData);
        EXPECT_EQ(run.exitCode, 2) << c.expected;
        EXPECT_THAT(run.err, StartsWith("corvane-chart convert: \"" + csv.string() + "\", " + c.expected));
        EXPECT_FALSE(fs::exists(dir / "x.dat"));
    }
}

TEST(ConvertCommand, ExitCodes) {
    test::TemporaryFolder folder;
    const std::string dir = folder.path().string();
    ASSERT_EQ(RunChartTool("convert", {"--to-csv", dir}).exitCode, 0);
    const std::string tmr = dir + "/tmr.csv", ocr = dir + "/ocr.csv";
    struct Case {
        std::vector<std::string> args;
        bool bundledData;
        int exitCode;
        std::string err;
    };
    const std::string nowhere = dir + "/missing/x";
    const Case cases[] = {
        {{"--to-csv", nowhere}, true, 3, "cannot write \"" + nowhere + "/tmr.csv\": No such file or directory"},
        {{"--tmr", tmr, "--ocr", ocr, "--heading", "h", "--out", nowhere}, false, 3,
         "cannot write \"" + nowhere + "\": No such file or directory"},
        {{"--tmr", tmr, "--ocr", ocr, "--heading", "a\nb", "--out", dir + "/x"}, false, 2,
         "the heading must be one line of text"},
        {{"--tmr", tmr, "--ocr", dir + "/none.csv", "--heading", "h", "--out", dir + "/x"}, false, 2,
         "\"" + dir + "/none.csv\" was not found"},
        {{"--tmr", tmr, "--ocr", ocr, "--heading", "h"}, false, 2, "--out is required"},
        {{"--to-csv", dir, "--out", dir + "/x"}, false, 2, "--to-csv does not go with"},
        {{}, true, 2, "give --to-csv DIR, or --tmr, --ocr, --heading and --out"},
        {{"--to-csv", dir, "--data", dir + "/none.dat"}, false, 2,
         "Beam data file \"" + dir + "/none.dat\" was not found."},
    };
    for (const Case& c : cases) {
        const auto run = RunChartTool("convert", c.args, {.bundledData = c.bundledData});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.err;
        EXPECT_THAT(run.err, StartsWith("corvane-chart convert: " + c.err)) << c.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.err;
    }

    // ocr.csv cannot be written: tmr.csv keeps what it held.
    folder.write("tmr.csv", "old");
    fs::remove(ocr);
    fs::create_directory(ocr);
    const auto run = RunChartTool("convert", {"--to-csv", dir});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_THAT(run.err, HasSubstr("; tmr.csv is as it was\n"));
    EXPECT_EQ(ReadFile(tmr), "old");
}

}  // namespace
}  // namespace corvane
