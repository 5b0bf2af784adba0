// The printed page, from page set-up to end of document, whose closing pass
// never fails and never reads outside DoseGrid.
#include "chart/ChartTestSupport.h"

#include "chart/DrawChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::BlankResult;
using test::CountPrefix;
using test::CrossingBlock;
using test::DrawPrinted;
using test::FillBlock;
using test::Find;
using test::N;
using ::testing::ElementsAreArray;

std::vector<std::string> ExpectedPageHead() {
    std::vector<std::string> lines{"ScaleMode mm", "ScaleTop -36", "ScaleLeft 150", "Font Times New Roman 16",
                                   "DrawWidth 1"};
    for (int x = 150; x <= 350; x += 10)
        lines.push_back("Line " + std::to_string(x) + " 0 " + std::to_string(x) + " 250 -");
    for (int y = 0; y <= 250; y += 10)
        lines.push_back("Line 150 " + std::to_string(y) + " 350 " + std::to_string(y) + " -");
    lines.push_back("DrawWidth 4");
    lines.push_back("Line 250 -30 250 250 -");
    return lines;
}

// Splits "Op a b c" into its fields.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t blank = line.find(' ', start);
        fields.push_back(line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    return fields;
}

TEST(PrintedChart, AnEmptyGridPrintsTheFrameworkOnly) {
    auto state = BlankResult();
    const auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    std::vector<std::string> expected = ExpectedPageHead();
    for (const char* line : {"Circle 250 50 1 -", "Move 160 -12", "Print Field size =  10 x 10 cm",
                             "Move 160 -20", "Print SSD = 100 cm", "EndDoc"})
        expected.push_back(line);
    EXPECT_THAT(drawing.lines, ElementsAreArray(expected));
}

TEST(PrintedChart, StartsWithThePageSetUpAndEndsWithEndDoc) {
    auto state = test::ComputedResult(1, "5.0", "10.0", "10.0", 1);
    const auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    const auto head = ExpectedPageHead();
    ASSERT_GT(drawing.lines.size(), head.size());
    EXPECT_THAT(std::vector<std::string>(drawing.lines.begin(), drawing.lines.begin() + head.size()),
                ElementsAreArray(head));
    EXPECT_EQ(drawing.lines.back(), "EndDoc");
    EXPECT_EQ(CountPrefix(drawing.lines, "EndDoc"), 1);
    EXPECT_EQ(CountPrefix(drawing.lines, "DrawWidth"), 2);
    // DrawWidth 4 comes just before the axis.
    const long width4 = Find(drawing.lines, "DrawWidth 4");
    EXPECT_EQ(drawing.lines[width4 + 1], "Line 250 -30 250 250 -");
}

TEST(PrintedChart, EveryOperationIsInTheForegroundColour) {
    auto state = test::ComputedResult(1, "5.0", "10.0", "10.0", 4);
    const auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    EXPECT_EQ(CountPrefix(drawing.lines, "ForeColor"), 0);
    EXPECT_EQ(CountPrefix(drawing.lines, "Cls"), 0);
    EXPECT_EQ(CountPrefix(drawing.lines, "Box"), 0);
    EXPECT_GT(CountPrefix(drawing.lines, "LineTo "), 0);
    for (const auto& line : drawing.lines) {
        if (line.rfind("Line", 0) == 0 || line.rfind("PSet", 0) == 0 || line.rfind("Circle", 0) == 0) {
            EXPECT_EQ(line.back(), '-') << line;
        }
    }
    // No level labels, no beam-head symbol, no axis labels.
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet 520"), 0);
    EXPECT_EQ(Find(drawing.lines, "Line 200 -150 200 -130 -"), -1);
    EXPECT_EQ(CountPrefix(drawing.lines, "Print"), 3);
}

TEST(PrintedChart, TheMarkerUsesTheUnroundedDepth) {
    auto state = BlankResult();
    state->Conditions.Depth = 4.37;
    const auto lines = DrawPrinted(*state).lines;
    EXPECT_GE(Find(lines, "Circle 250 " + N(10 * 4.37) + " 1 -"), 0);
    EXPECT_EQ(N(10 * 4.37), "43.700000000000003");
}

TEST(PrintedChart, TheWedgeSymbolAndThirdCaptionFollowTheWedgeKind) {
    const std::vector<std::string> triangle{"Line 180 -25 320 -25 -", "LineTo 320 -10 -", "LineTo 180 -25 -"};
    struct Case {
        int kind;
        bool symbol;
        const char* caption;  // nullptr: no third caption
    };
    for (const Case& c :
         {Case{1, false, nullptr}, Case{2, true, "Wedge filter : 30 degree"},
          Case{3, true, "Wedge filter : 45 degree"}, Case{4, true, "Wedge filter : 60 degree"},
          Case{5, true, nullptr}, Case{0, true, nullptr}}) {
        auto state = BlankResult();
        state->Conditions.WedgeKind = static_cast<WedgeFilter>(c.kind);
        const auto lines = DrawPrinted(*state).lines;
        const long marker = Find(lines, "Circle 250 50 1 -");
        ASSERT_GE(marker, 0);
        long next = marker + 1;
        if (c.symbol) {
            EXPECT_EQ(lines[next], triangle[0]) << c.kind;
            EXPECT_EQ(lines[next + 1], triangle[1]) << c.kind;
            EXPECT_EQ(lines[next + 2], triangle[2]) << c.kind;
            next += 3;
        }
        std::vector<std::string> tail{"Move 160 -12", "Print Field size =  10 x 10 cm", "Move 160 -20",
                                      "Print SSD = 100 cm"};
        if (c.caption) {
            tail.push_back("Move 270 -24");
            tail.push_back(std::string("Print ") + c.caption);
        }
        tail.push_back("EndDoc");
        EXPECT_THAT(std::vector<std::string>(lines.begin() + next, lines.end()), ElementsAreArray(tail))
            << c.kind;
    }
}

TEST(PrintedChart, CaptionsWriteNumbersByThePrintRule) {
    auto state = BlankResult();
    state->Conditions.FieldWidth = 0.5;
    state->Conditions.FieldLength = 15;
    state->Conditions.Setup = BeamSetup::Std;
    const auto lines = DrawPrinted(*state).lines;
    EXPECT_GE(Find(lines, "Print Field size =  .5 x 15 cm"), 0);
    EXPECT_GE(Find(lines, "Print STD = 100 cm"), 0);
}

TEST(PrintedChart, ThePrintTablesStartFromMinusOne) {
    auto state = BlankResult();
    auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    const PrintTables& tables = drawing.printed;
    for (const CurveTable* t :
         {&tables.PrintStartX, &tables.PrintStartY, &tables.PrintEndX, &tables.PrintEndY})
        for (const auto& trace : *t)
            for (double v : trace) EXPECT_EQ(v, -1);
    // Nothing is left over from an earlier print either.
    CrossingBlock(*state, 10, 100);
    drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    EXPECT_EQ(drawing.printed.PrintStartX[0][5], 150);  // cells 149 and 150 equal: the column itself
    const auto blank = BlankResult();
    state->DoseGrid = blank->DoseGrid;
    drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    EXPECT_EQ(drawing.printed.PrintStartX[0][5], -1);
}

TEST(PrintedChart, UsesItsOwnWindow) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);
    const auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    const PrintTables& tables = drawing.printed;
    // Inside the window the block is flat at 0.6: at column 150 the cells
    // 149 and 150 are equal, so the crossing is the column itself.
    EXPECT_EQ(tables.PrintStartX[0][1], 150);
    EXPECT_EQ(tables.PrintStartX[1][1], 350);
    EXPECT_EQ(tables.PrintStartY[0][1], 10);
    EXPECT_EQ(tables.PrintEndY[0][1], 100);
    // The right flank stops after its first segment: its x, 350, is not below 350.
    EXPECT_EQ(tables.PrintEndY[1][1], 11);
    EXPECT_EQ(tables.PrintEndX[1][1], 350);
    EXPECT_EQ(tables.PrintStartX[0][6], -1);  // 0.6 is below 0.1 x 6
}

TEST(PrintedChart, ACrossingAtTheWindowEdgeUsesTheCellOutsideIt) {
    auto state = BlankResult();
    // A row rising to the right everywhere: at column 150, D(149) is already
    // above 0.5, so the crossing is extrapolated far to the left.
    for (int I = 0; I <= 500; ++I) state->DoseGrid(I, 20) = 0.5 + 0.001 * I;
    const auto drawing = DrawPrinted(*state);
    const PrintTables& tables = drawing.printed;
    ASSERT_FALSE(drawing.failed);
    const double a = 0.5 + 0.001 * 149, b = 0.5 + 0.001 * 150;
    EXPECT_EQ(tables.PrintStartX[0][5], 149 + (0.5 - a) / (b - a));
    EXPECT_LT(tables.PrintStartX[0][5], 1);
    // The right pass: D(351) > D(350) > L, extrapolated the other way.
    const double c = 0.5 + 0.001 * 350, d = 0.5 + 0.001 * 351;
    EXPECT_EQ(tables.PrintStartX[1][5], 350 + (0.5 - c) / (d - c));
    // The same row fails on screen: a crossing at column 0.
    EXPECT_TRUE(test::Draw(*state).failed);
}

TEST(PrintedChart, AColumnWithTwoEqualCellsAddsNoPointInsteadOfFailing) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);
    FillBlock(*state, 200, 300, 10, 100, 0.3);  // a lower stretch inside the window
    state->DoseGrid(250, 10) = 0;               // column 250: rows 9 and 10 both 0
    ASSERT_TRUE(test::Draw(*state).failed);     // the screen fails there

    const auto drawing = DrawPrinted(*state);
    ASSERT_FALSE(drawing.failed);
    // Level 1's top line: from the left start (150, 10) over the columns
    // Int(151) .. Int(350) but 250, on to the right start (350, 10).
    const long top = Find(drawing.lines, "PSet 150 10 -");
    ASSERT_GE(top, 0);
    const std::string y06 = N(9 + (0.1 - 0) / (0.6 - 0));
    const std::string y03 = N(9 + (0.1 - 0) / (0.3 - 0));
    EXPECT_EQ(drawing.lines[top + 1], "LineTo 151 " + y06 + " -");
    EXPECT_EQ(drawing.lines[top + 99], "LineTo 249 " + y03 + " -");
    EXPECT_EQ(drawing.lines[top + 100], "LineTo 251 " + y03 + " -");
    EXPECT_EQ(drawing.lines[top + 199], "LineTo 350 " + y06 + " -");
    EXPECT_EQ(drawing.lines[top + 200], "LineTo 350 10 -");
}

TEST(PrintedChart, ThirtyCentimetreFieldPrintsWithoutReadingOutsideTheGrid) {
    // A flank of this page starts from a crossing extrapolated near
    // x = -21448; a closing pass that walked the columns from there without
    // clamping would read far outside DoseGrid. Run under AddressSanitizer,
    // this test catches any such read.
    for (int wedge : {1, 4}) {
        auto state = test::ComputedResult(1, "5.0", "30", "30", wedge);
        const auto drawing = DrawPrinted(*state);
        const PrintTables& tables = drawing.printed;
        ASSERT_FALSE(drawing.failed);
        EXPECT_EQ(drawing.lines.back(), "EndDoc");
        if (wedge == 1) {
            bool farLeft = false;
            for (int k = 1; k <= 20; ++k)
                for (int t = 0; t < 2; ++t)
                    if (tables.PrintStartX[t][k] < -21000 && tables.PrintStartX[t][k] > -22000)
                        farLeft = true;
            EXPECT_TRUE(farLeft) << "the 30 x 30 cm page has a flank that starts near x = -21448";
        }
        // Every closing step is at a whole column inside 0..500: after a
        // PSet, the LineTo lines up to the last one of the closing line.
        for (std::size_t i = 0; i < drawing.lines.size(); ++i) {
            if (drawing.lines[i].rfind("PSet ", 0) != 0) continue;
            std::size_t j = i + 1;
            while (j + 1 < drawing.lines.size() && drawing.lines[j + 1].rfind("LineTo ", 0) == 0 &&
                   drawing.lines[j].rfind("LineTo ", 0) == 0) {
                const auto f = Fields(drawing.lines[j]);
                const double column = std::strtod(f[1].c_str(), nullptr);
                EXPECT_EQ(column, std::floor(column)) << drawing.lines[j];
                EXPECT_GE(column, 0) << drawing.lines[j];
                EXPECT_LE(column, 500) << drawing.lines[j];
                ++j;
            }
        }
    }
}

TEST(PrintedChart, AFortyCentimetreFieldPrintsThoughItFailsOnScreen) {
    auto state = test::ComputedResult(1, "5.0", "40", "40", 1);
    EXPECT_FALSE(DrawPrinted(*state).failed);
    EXPECT_TRUE(test::Draw(*state).failed);
}

TEST(PrintedChart, NeverReadsBelowTheGridEvenWithAnOddDepthLimit) {
    auto state = BlankResult();
    state->DepthSteps = 1000;  // never so in a real run; the page must still stay inside
    FillBlock(*state, 100, 400, 10, 300, 0.6);
    const auto drawing = DrawPrinted(*state);
    EXPECT_FALSE(drawing.failed);
    const PrintTables& tables = drawing.printed;
    EXPECT_EQ(tables.PrintEndY[0][1], 300);
    // The screen takes its failure path instead of reading row 301.
    EXPECT_TRUE(test::Draw(*state).failed);
}

}  // namespace
}  // namespace corvane
