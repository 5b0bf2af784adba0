#include "state/BeamDataLoader.h"

#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace corvane {
namespace {

using test::BundledLines;
using test::JoinLines;
using ::testing::AllOf;
using ::testing::HasSubstr;

BeamDataLoadResult parse(const std::string& text) {
    std::istringstream in(text);
    return ParseBeamData(in, "beam.dat");
}

BeamData parseOk(const std::string& text) {
    BeamDataLoadResult result = parse(text);
    EXPECT_TRUE(result.ok()) << result.error;
    return result.ok() ? *result.data : BeamData{};
}

std::string parseError(const std::string& text) {
    BeamDataLoadResult result = parse(text);
    EXPECT_FALSE(result.ok());
    return result.error;
}

void expectSameTables(const BeamData& a, const BeamData& b) {
    EXPECT_EQ(a.DepthTable, b.DepthTable);
    EXPECT_EQ(a.FieldSizeTable, b.FieldSizeTable);
    EXPECT_EQ(a.TmrTable, b.TmrTable);
    EXPECT_EQ(a.OcrTable, b.OcrTable);
}

TEST(BeamDataLoader, LoadsTheBundledFile) {
    const BeamData& data = test::BundledBeamData();
    const auto lines = BundledLines();
    ASSERT_GE(lines.size(), 66u);
    // DepthTable(i) is 0.1 times the first number of line 3 + i.
    EXPECT_EQ(data.DepthTable[1], 0.1 * 0);
    EXPECT_EQ(data.DepthTable[2], 0.1 * 2);
    EXPECT_EQ(data.DepthTable[37], 0.1 * 300);
    EXPECT_EQ(data.DepthTable[7], 0.1 * 15);
    EXPECT_EQ(data.TmrTable[1][1], 0.43);
    EXPECT_EQ(data.TmrTable[37][10], 0.4492);
    EXPECT_EQ(data.TmrTable[10][4], 0.9843);  // 30 mm, 10 x 10
    EXPECT_EQ(data.OcrTable[1][1], 1.0);
    EXPECT_EQ(data.OcrTable[11][2], 0.5);
    EXPECT_EQ(data.OcrTable[21][3], 0.0494);
    EXPECT_EQ(data.FieldSizeTable, BeamData::FixedFieldSizes);
    // Index 0 is never filled.
    EXPECT_EQ(data.DepthTable[0], 0.0);
    EXPECT_EQ(data.TmrTable[0][5], 0.0);
    EXPECT_EQ(data.OcrTable[5][0], 0.0);
}

TEST(BeamDataLoader, AcceptsEveryLineEndAndBlankSeparators) {
    const auto lines = BundledLines();
    const BeamData reference = parseOk(JoinLines(lines));
    expectSameTables(parseOk(JoinLines(lines, "\n")), reference);
    expectSameTables(parseOk(JoinLines(lines, "\r")), reference);

    auto blanks = lines;
    for (int i = 3; i < 65; ++i)
        for (char& c : blanks[i]) if (c == ',') c = '\t';
    expectSameTables(parseOk(JoinLines(blanks)), reference);
}

TEST(BeamDataLoader, ReadsNumbersAsAStreamOfFields) {
    const auto lines = BundledLines();
    const BeamData reference = parseOk(JoinLines(lines));

    // TMR row 5 split over two lines, rows 8 and 9 on one line.
    std::vector<std::string> edited(lines.begin(), lines.begin() + 3);
    for (int i = 3; i < 40; ++i) {
        if (i == 7) {
            const auto cut = lines[i].find(", 0.9");
            edited.push_back(lines[i].substr(0, cut));
            edited.push_back(lines[i].substr(cut + 2));
        } else if (i == 10) {
            edited.push_back(lines[10] + ", " + lines[11]);
            ++i;
        } else {
            edited.push_back(lines[i]);
        }
    }
    edited.insert(edited.end(), lines.begin() + 40, lines.end());
    expectSameTables(parseOk(JoinLines(edited)), reference);
}

TEST(BeamDataLoader, TheLineEndAfterTheLastTmrRowBelongsToIt) {
    // Text in the separator lines that looks like numbers must be skipped as lines.
    auto lines = BundledLines();
    lines[40] = "1, 2, 3";
    lines[43] = "9, 9, 9, 9";
    expectSameTables(parseOk(JoinLines(lines)), parseOk(JoinLines(BundledLines())));
}

TEST(BeamDataLoader, AFileEndingAfterLine65Loads) {
    auto lines = BundledLines();
    lines.resize(65);
    expectSameTables(parseOk(JoinLines(lines)), test::BundledBeamData());
    // Even without the line end of its last line.
    std::string text = JoinLines(lines);
    text.resize(text.size() - 2);
    expectSameTables(parseOk(text), test::BundledBeamData());
}

TEST(BeamDataLoader, OcrRowsFirstNumberIsNotKept) {
    auto lines = BundledLines();
    lines[44] = " 7.77, 1.0000, 1.0000, 1.0000";
    expectSameTables(parseOk(JoinLines(lines)), test::BundledBeamData());
    // ... but it must still be a number.
    lines[44] = " x, 1.0000, 1.0000, 1.0000";
    EXPECT_THAT(parseError(JoinLines(lines)),
                AllOf(HasSubstr("line 45"), HasSubstr("\"x\""), HasSubstr("OCR block at row 1")));
}

TEST(BeamDataLoader, FieldSizesAreFixedWhateverTheHeadingSays) {
    auto lines = BundledLines();
    lines[2] = "depth, 5x5, 7x7, 9x9, 11x11, 13x13, 16x16, 21x21, 26x26, 31x31, 36x36";
    EXPECT_EQ(parseOk(JoinLines(lines)).FieldSizeTable, BeamData::FixedFieldSizes);
}

TEST(BeamDataLoader, AShortFileSaysWhereItEnded) {
    const auto lines = BundledLines();
    auto cut = [&](std::size_t count) {
        return JoinLines(std::vector<std::string>(lines.begin(), lines.begin() + count));
    };
    EXPECT_THAT(parseError(cut(2)), AllOf(HasSubstr("beam.dat"), HasSubstr("ends early"),
                                          HasSubstr("heading at line 3 of 3")));
    EXPECT_THAT(parseError(cut(20)), AllOf(HasSubstr("line 21"), HasSubstr("ends early"),
                                           HasSubstr("TMR block at row 18 of 37 (number 1 of 11)")));
    EXPECT_THAT(parseError(cut(41)), HasSubstr("separator lines at line 2 of 4"));
    EXPECT_THAT(parseError(cut(60)), HasSubstr("OCR block at row 17 of 21"));
    EXPECT_THAT(parseError(""), HasSubstr("ends early"));

    std::string partRow = cut(23) + "  20, 0.4688, 0.4916";
    EXPECT_THAT(parseError(partRow), HasSubstr("TMR block at row 21 of 37 (number 4 of 11)"));
}

TEST(BeamDataLoader, EmptyAndMalformedFieldsAreNamed) {
    auto withLine = [](int index, const std::string& text) {
        auto lines = BundledLines();
        lines[index] = text;
        return JoinLines(lines);
    };
    EXPECT_THAT(parseError(withLine(5, "   5, 0.7467,, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85")),
                AllOf(HasSubstr("line 6"), HasSubstr("two commas"), HasSubstr("TMR block at row 3")));
    EXPECT_THAT(parseError(withLine(5, "   5, 0.7467, 0.7533, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85,")),
                AllOf(HasSubstr("line 6"), HasSubstr("comma at the end of the line")));
    EXPECT_THAT(parseError(withLine(5, "   5, 0.7467, 0.75x, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85")),
                AllOf(HasSubstr("line 6"), HasSubstr("\"0.75x\" is not a decimal number")));
    // A decimal comma adds a field; the shift shows where the OCR block begins.
    EXPECT_THAT(parseError(withLine(5, "   5, 0.7467, 0,75, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85")),
                AllOf(HasSubstr("line 44"), HasSubstr("\"x\" is not a decimal number")));
    EXPECT_THAT(parseError(withLine(50, " 0.60, nan, 0.9814, 0.9736")),
                AllOf(HasSubstr("line 51"), HasSubstr("\"nan\" is not finite")));
    EXPECT_THAT(parseError(withLine(50, " 0.60, 1e999, 0.9814, 0.9736")),
                AllOf(HasSubstr("line 51"), HasSubstr("not finite")));
    EXPECT_THAT(parseError(withLine(50, " 0.60, 1.0015, , 0.9736")), HasSubstr("two commas"));
}

TEST(BeamDataLoader, DepthsMustAscendAndReach250Millimetres) {
    auto lines = BundledLines();
    lines[5] = "   2, 0.7467, 0.7533, 0.7600, 0.7667, 0.7733, 0.7833, 0.8000, 0.8167, 0.8333, 0.8500";
    EXPECT_THAT(parseError(JoinLines(lines)),
                AllOf(HasSubstr("line 6"), HasSubstr("must ascend"), HasSubstr("2 mm after 2 mm")));

    lines = BundledLines();
    for (int i = 3; i < 40; ++i) lines[i] = std::to_string(i) + lines[i].substr(lines[i].find(','));
    EXPECT_THAT(parseError(JoinLines(lines)),
                AllOf(HasSubstr("line 40"), HasSubstr("deepest depth is 39 mm")));

    // Exactly 250 mm is enough.
    lines = BundledLines();
    for (int i = 3; i < 40; ++i)
        lines[i] = std::to_string(10 + (i - 3) * 240 / 36) + lines[i].substr(lines[i].find(','));
    const BeamData data = parseOk(JoinLines(lines));
    EXPECT_EQ(data.DepthTable[37], 0.1 * 250);
}

TEST(BeamDataLoader, MissingFileAndFolderAreReported) {
    test::TemporaryFolder folder;
    EXPECT_THAT(LoadBeamDataFile(folder.path() / "none.dat").error,
                AllOf(HasSubstr("none.dat"), HasSubstr("not found")));
    EXPECT_THAT(LoadBeamDataFile(folder.path()).error, HasSubstr("folder"));
    const auto file = folder.write("6MVTMROCR.dat", JoinLines(BundledLines(), "\n"));
    EXPECT_TRUE(LoadBeamDataFile(file).ok());
}

} // namespace
} // namespace corvane
