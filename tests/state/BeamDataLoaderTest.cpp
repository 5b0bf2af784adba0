#include "state/BeamDataLoader.h"
#include "state/SystemErrorText.h"
#include "state/MessageText.h"

#include "support/TestData.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace corvane {
namespace {

using test::BundledLines;
using test::JoinLines;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;

BeamDataLoad parse(const std::string& text) { return ParseBeamData(text, "beam.dat"); }

BeamData parseOk(const std::string& text) {
    BeamDataLoad result = parse(text);
    EXPECT_TRUE(result.has_value()) << result.error();
    return result.has_value() ? result->data : BeamData{};
}

std::string parseError(const std::string& text) {
    BeamDataLoad result = parse(text);
    EXPECT_FALSE(result.has_value());
    return DescribeBeamDataFault(result.error());
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
        for (char& c : blanks[i])
            if (c == ',') c = '\t';
    expectSameTables(parseOk(JoinLines(blanks)), reference);
}

// The line that names the data, for the windows: whole, but bounded.
TEST(BeamDataLoader, KeepsTheFirstHeadingLineAsRead) {
    auto lines = BundledLines();
    for (const char* end : {"\r\n", "\n", "\r"})
        EXPECT_EQ(parse(JoinLines(lines, end))->source.heading, lines[0]);
    lines[0] = std::string(5000, 'h');
    EXPECT_EQ(parse(JoinLines(lines))->source.heading, std::string(BeamDataHeadingKept, 'h'));
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

TEST(BeamDataLoader, OcrRowsFirstNumberIsNotKeptButRowsOutOfPlaceAreNamed) {
    const BeamData& bundled = test::BundledBeamData();
    auto lines = BundledLines();
    lines[44] = " 0.004, 1.0000, 1.0000, 1.0000";  // within 0.005 of x = 0: no warning
    BeamDataLoad close = parse(JoinLines(lines));
    ASSERT_TRUE(close.has_value());
    EXPECT_TRUE(close->misplacedOcrRows.empty());

    // Rows 3 and 4 swapped, and a row 10 written twice in place of row 11:
    // the file loads with one warning that names every such line.
    lines = BundledLines();
    std::swap(lines[46], lines[47]);
    lines[54] = lines[53];
    BeamDataLoad shifted = parse(JoinLines(lines));
    ASSERT_TRUE(shifted.has_value()) << shifted.error();
    ASSERT_EQ(shifted->misplacedOcrRows.size(), 3u);
    EXPECT_THAT(shifted->warning(),
                AllOf(HasSubstr("line 47 gives \"0.30\" for row 3 (x = 0.2)"),
                      HasSubstr("line 48 gives \"0.20\" for row 4 (x = 0.3)"),
                      HasSubstr("line 55 gives \"0.90\" for row 11 (x = 1.0)"), HasSubstr("loaded")));

    // The first number still changes nothing in the tables ...
    lines = BundledLines();
    lines[44] = " 7.77, 1.0000, 1.0000, 1.0000";
    BeamDataLoad far = parse(JoinLines(lines));
    expectSameTables(far->data, bundled);
    EXPECT_THAT(far->warning(), HasSubstr("line 45"));
    // ... and from 0.006 away it is out of place ...
    for (const char* position : {" 0.006", " -0.006", " 0.05"}) {
        lines[44] = position + std::string(", 1.0000, 1.0000, 1.0000");
        EXPECT_EQ(parse(JoinLines(lines))->misplacedOcrRows.size(), 1u) << position;
    }
    // With all rows misplaced, long numbers never cut off the count of the rest.
    for (int i = 44; i < 65; ++i) lines[i] = " 9.99999999999999999999" + lines[i].substr(lines[i].find(','));
    EXPECT_THAT(parse(JoinLines(lines))->warning(),
                EndsWith("19 more rows. The file was loaded as it stands."));
    // ... but it must still be a number.
    lines[44] = " x, 1.0000, 1.0000, 1.0000";
    EXPECT_THAT(parseError(JoinLines(lines)),
                AllOf(HasSubstr("line 45"), HasSubstr("\"x\""), HasSubstr("OCR block at row 1")));
}

// Every damage that would shift, invent or hide a value is refused, and the
// message names the line where it was found.
TEST(BeamDataLoader, DamagedFilesAreRefusedAtTheirLine) {
    auto edited = [](std::initializer_list<std::pair<int, std::string>> edits) {
        auto lines = BundledLines();
        for (const auto& [index, text] : edits) lines[index] = text;
        return JoinLines(lines);
    };
    const std::string ocr1 = " 0.00, 1.0000, 1.0000, 1.0000";
    const std::string tmr2 =
        "   2, 0.5719, 0.5831, 0.5944, 0.6057, 0.6169, 0.6338, 0.6620, 0.6902, 0.7183, 0.7465";
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"a number too many in OCR row 1",
         edited({{44, ocr1 + ", 0.5"}}),
         {"line 65", "OCR block holds more numbers than its 21 rows of 4", "\"0.0494\" follows"}},
        {"text after the last OCR number",
         edited({{64, " 2.00, 0.0130, 0.0292, 0.0494 end"}}),
         {"line 65", "more numbers than its 21 rows", "\"end\" follows"}},
        // A number too many or too few shifts the next depth among the TMRs.
        {"a number too many in a TMR row",
         edited({{10, "  15, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1"}}),
         {"line 12", "is above 2", "row 9 of 37 (number 2 of 11)"}},
        {"a decimal comma",
         edited({{5, "   5, 0.7467, 0,75, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85"}}),
         {"line 6", "\"75\" is above 2"}},
        {"a number missing from a TMR row",
         edited({{5, "   5, 0.7467, 0.7533, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333"}}),
         {"line 7", "\"8\" is above 2", "row 3 of 37 (number 11 of 11)"}},
        {"a number too many in the last TMR row",
         edited({{39, BundledLines()[39] + ", 0.4"}}),
         {"line 40", "TMR block holds more numbers than its 37 rows of 11"}},
        {"a number missing from the last TMR row",
         edited({{39, " 300, 0.3036, 0.3187, 0.3350, 0.3500, 0.3642, 0.3804, 0.4030, 0.4233, 0.4383"}}),
         {"line 42", "\"Off-center\" is not a decimal number"}},
        {"TMR rows 1 and 2 swapped",
         edited({{3, tmr2}, {4, BundledLines()[3]}}),
         {"line 5", "must ascend", "0 mm after 2 mm"}},
        {"a negative TMR",
         edited(
             {{20, " 110, 0.5342, -0.5582, 0.5798, 0.5955, 0.6118, 0.6278, 0.6506, 0.6676, 0.6802, 0.6889"}}),
         {"line 21", "\"-0.5582\" is negative", "row 18 of 37 (number 3 of 11)"}},
        {"a negative OCR",
         edited({{60, " 1.60, 0.0269, 0.0605, -1e-9"}}),
         {"line 61", "is negative", "OCR block at row 17"}},
        {"a lone minus", edited({{50, " 0.60, -, 0.9814, 0.9736"}}), {"line 51", "\"-\" is not a decimal"}},
        {"a lone point", edited({{50, " 0.60, ., 0.9814, 0.9736"}}), {"line 51", "\".\" is not a decimal"}},
        {"a lone plus", edited({{50, " 0.60, +, 0.9814, 0.9736"}}), {"line 51", "\"+\" is not a decimal"}},
        {"a field of 65 characters",
         edited({{50, " 0.60, 1" + std::string(64, '0') + ", 0.9814, 0.9736"}}),
         {"line 51", "longer than 64 characters", "\"1" + std::string(39, '0') + "\u2026\""}},
        {"a line of 64 KiB and one byte",
         edited({{1, std::string(64 * 1024 + 1, 'x')}}),
         {"line 2", "longer than 64 KiB", "heading"}},
        {"a lost decimal point",
         edited({{5, "   5, 0.7467, 0.7533, 0.7600, 07667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85"}}),
         {"line 6", "\"07667\" is above 2", "TMR block at row 3 of 37 (number 5 of 11)"}},
        {"a TMR row in percent",
         edited({{20, " 110, 53.42, 55.82, 57.98, 59.55, 61.18, 62.78, 65.06, 66.76, 68.02, 68.89"}}),
         {"line 21", "\"53.42\" is above 2", "not a percentage"}},
        {"a huge OCR", edited({{50, " 0.60, 1e308, 0.9814, 0.9736"}}), {"line 51", "above 2", "OCR block"}},
        {"a negative depth",
         edited({{3, "  -5, 0.43, 0.45, 0.47, 0.49, 0.5, 0.52, 0.53, 0.54, 0.55, 0.56"}}),
         {"line 4", "depth \"-5\" is negative", "TMR block at row 1 of 37 (number 1 of 11)"}},
    };
    for (const auto& c : cases) {
        const std::string error = parseError(c.text);
        for (const std::string& part : c.expected) EXPECT_THAT(error, HasSubstr(part)) << c.what;
    }
    // The limits themselves load.
    for (const std::string& text :
         {edited({{50, " 0.60, 0, 2, 0.9736"}}), edited({{1, std::string(64 * 1024, 'x')}}),
          edited({{50, " 0.60, 1." + std::string(62, '0') + ", 0.9814, 0.9736"}})})
        EXPECT_TRUE(parse(text).has_value()) << parse(text).error();
}

// A field may hold anything; its message stays short, shows what is there,
// and cannot steer a terminal or a message box.
TEST(BeamDataLoader, HostileFieldsGiveShortCleanMessages) {
    auto withField = [](const std::string& field) {
        auto lines = BundledLines();
        lines[50] = " 0.60, " + field + ", 0.9814, 0.9736";
        return JoinLines(lines);
    };
    const std::string escape = parseError(withField("\x1b[31mred\x1b]0;title\x07"));
    EXPECT_THAT(escape, HasSubstr("\\x1B[31mred\\x1B]0;title\\x07"));
    EXPECT_EQ(escape.find('\x1b'), std::string::npos);
    EXPECT_THAT(parseError(withField("<b>\"x\"</b>")), HasSubstr("\"<b>\\\"x\\\"</b>\""));
    EXPECT_THAT(parseError(withField("\xff\xfe")), HasSubstr("\\xFF\\xFE"));
    EXPECT_THAT(parseError(withField("a\u202Eb")), HasSubstr("a\\u202Eb"));
    EXPECT_THAT(parseError(withField("a\x7F\\b")), HasSubstr("\"a\\x7F\\\\b\""));

    // A long hostile path is shortened in the middle, and no message is long.
    const std::string path = "/tmp/" + std::string(500, 'p') + "\x1b/6MVTMROCR.dat";
    const std::string named = DescribeBeamDataFault(ParseBeamData("", path).error());
    EXPECT_THAT(named,
                AllOf(HasSubstr("/tmp/ppp"), HasSubstr("\u2026"), HasSubstr("ppp\\x1B/6MVTMROCR.dat")));
    EXPECT_LE(named.size(), 300u);
    EXPECT_LE(parseError(withField(std::string(1 << 20, 'A'))).size(), 300u);
    EXPECT_EQ(LimitMessageLength(std::string(300, 'm')), std::string(300, 'm'));
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
    EXPECT_THAT(parseError(cut(2)),
                AllOf(HasSubstr("beam.dat"), HasSubstr("ends early"), HasSubstr("heading at line 3 of 3")));
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
    EXPECT_THAT(
        parseError(withLine(5, "   5, 0.7467,, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85")),
        AllOf(HasSubstr("line 6"), HasSubstr("two commas"), HasSubstr("TMR block at row 3")));
    EXPECT_THAT(parseError(withLine(
                    5, "   5, 0.7467, 0.7533, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85,")),
                AllOf(HasSubstr("line 6"), HasSubstr("comma at the end of the line")));
    EXPECT_THAT(parseError(withLine(
                    5, "   5, 0.7467, 0.75x, 0.7600, 0.7667, 0.7733, 0.7833, 0.8, 0.8167, 0.8333, 0.85")),
                AllOf(HasSubstr("line 6"), HasSubstr("\"0.75x\" is not a decimal number")));
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

// Only a regular file is read, and never more than a beam data file can
// need: a FIFO without a writer or /dev/zero must not hang the program.
TEST(BeamDataLoader, OnlyRegularFilesAreReadWithTheSystemsReason) {
    test::TemporaryFolder folder;
    const auto file = folder.write("6MVTMROCR.dat", JoinLines(BundledLines(), "\n"));
    EXPECT_TRUE(LoadBeamDataFile(file).has_value());
    const auto fifo = folder.path() / "fifo.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", folder.path() / "loop");

    const struct {
        std::filesystem::path path;
        const char* expected;
    } cases[] = {
        {folder.path() / "none.dat", "was not found"},
        {folder.path(), "is a folder, not a file"},
        {fifo, "is a named pipe (FIFO), not a regular file"},
        {"/dev/zero", "is a character device, not a regular file"},
        {file / "x", "cannot be opened: Not a directory"},
        {folder.path() / "loop", "cannot be opened: Too many levels of symbolic links"},
        {folder.path() / std::string(300, 'n'), "cannot be opened: File name too long"},
        {folder.write("large.dat", std::string(1024 * 1024 + 10, '\n')), "goes on past 1 MiB"},
    };
    for (const auto& c : cases) {
        const BeamDataLoad result = LoadBeamDataFile(c.path);
        EXPECT_FALSE(result.has_value()) << c.path;
        EXPECT_THAT(DescribeBeamDataFault(result.error()), HasSubstr(c.expected)) << c.path;
    }
}

// The table's reasons are the C library's own words, so that the tool's
// English is the system's and the catalogs translate what the system says.
TEST(BeamDataFault, SystemReasonsAreTheCLibrarysWords) {
    for (int e : {ENOENT, EACCES, EPERM, EISDIR, ENOTDIR, ELOOP, ENAMETOOLONG, EIO, ENOMEM, EMFILE, ENFILE, EBUSY,
                  ENXIO, ENODEV, EINTR, EAGAIN, EINVAL, EOVERFLOW, ESTALE, ENOSPC})
        EXPECT_EQ(EnglishText(SystemReasonMessage(e)), SystemErrorText(e)) << e;
}

}  // namespace
}  // namespace corvane
