// DrawChart on hand-filled and computed dose grids, checked
// through the operations it records.
#include "chart/ChartTestSupport.h"

#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::BlankResult;
using test::CountPrefix;
using test::CrossingBlock;
using test::Draw;
using test::FillBlock;
using test::Find;
using test::N;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

// The operations before the curves, for MeshMode 0 and depth 5.
std::vector<std::string> ExpectedHead(int meshMode = 0, const std::string& targetRow = "50") {
    std::vector<std::string> lines{"Cls"};
    if (meshMode == 1) {
        for (int x = 10; x <= 490; x += 10)
            lines.push_back("Line " + std::to_string(x) + " 0 " + std::to_string(x) + " 250 7");
        for (int y = 10; y <= 240; y += 10)
            lines.push_back("Line 0 " + std::to_string(y) + " 500 " + std::to_string(y) + " 7");
    }
    for (int x = 0; x <= 500; x += 50) {
        const std::string s = std::to_string(x);
        lines.push_back("Line " + s + " 0 " + s + " 250 7");
        lines.push_back("Line " + s + " 0 " + s + " 5 -");
        lines.push_back("Line " + s + " 250 " + s + " 245 -");
    }
    for (int y = 0; y <= 250; y += 50) {
        const std::string s = std::to_string(y);
        lines.push_back("Line 0 " + s + " 500 " + s + " 7");
        lines.push_back("Line 0 " + s + " 5 " + s + " -");
        lines.push_back("Line 500 " + s + " 495 " + s + " -");
    }
    const std::vector<std::string> rest{
        "Box 0 0 500 250",
        "Line 250 -150 250 252 -",
        "Circle 250 " + targetRow + " 2 12",
        "Move -10 -8",
        "Print 0",
        "Move -10 42",
        "Print 5",
        "Move -18 92",
        "Print 10",
        "Move -18 142",
        "Print 15",
        "Move -18 192",
        "Print 20",
        "Move -18 242",
        "Print 25",
        "Move 247 251",
        "Print 0",
        "Move 297 251",
        "Print 5",
        "Move 344 251",
        "Print 10",
        "Move 394 251",
        "Print 15",
        "Move 444 251",
        "Print 20",
        "Move 190 251",
        "Print -5",
        "Move 137 251",
        "Print -10",
        "Move 87 251",
        "Print -15",
        "Move 37 251",
        "Print -20",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

const std::vector<std::string> BeamHeadAndDefaultCaptions{
    "Line 200 -150 200 -130 -", "LineTo 300 -130 -", "LineTo 300 -150 -",  "Move 300 -30",
    "Print  10 x 10 cm",        "Move 300 -50",      "Print SSD = 100 cm", "Move 300 -70",
    "Print Wedge filter : non",
};

// The label column: the levels that have a label, in order.
std::vector<int> LabelledLevels(const std::vector<std::string>& lines) {
    std::vector<int> levels;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].rfind("PSet 520 ", 0) != 0) continue;
        const int y = std::stoi(lines[i].substr(9));
        levels.push_back((250 - y) / 15);
    }
    return levels;
}

TEST(DrawChart, AnEmptyGridDrawsTheFrameworkOnly) {
    auto state = BlankResult();
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    std::vector<std::string> expected = ExpectedHead();
    expected.push_back("ForeColor 0");
    expected.insert(expected.end(), BeamHeadAndDefaultCaptions.begin(), BeamHeadAndDefaultCaptions.end());
    EXPECT_THAT(drawing.lines, ElementsAreArray(expected));
    EXPECT_EQ(drawing.text.back(), '\n');
    // No level was found: the curve tables stay -1.
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k <= 20; ++k) {
            EXPECT_EQ(drawing.curves.CurveStartX[t][k], -1);
            EXPECT_EQ(drawing.curves.CurveEndY[t][k], -1);
        }
}

TEST(DrawChart, MeshModeOneAddsTheCentimetreGridBeforeTheFiveCentimetreGrid) {
    auto state = BlankResult();
    const auto fine = Draw(*state, ChartMesh::OneCm);
    const auto head = ExpectedHead(1);
    ASSERT_GE(fine.lines.size(), head.size());
    EXPECT_THAT(std::vector<std::string>(fine.lines.begin(), fine.lines.begin() + head.size()),
                ElementsAreArray(head));
    EXPECT_EQ(fine.lines[1], "Line 10 0 10 250 7");
    EXPECT_EQ(fine.lines[49], "Line 490 0 490 250 7");
    EXPECT_EQ(fine.lines[50], "Line 0 10 500 10 7");
    EXPECT_EQ(fine.lines[73], "Line 0 240 500 240 7");
    EXPECT_EQ(fine.lines[74], "Line 0 0 0 250 7");

    const auto coarse = Draw(*state, ChartMesh::FiveCm);
    EXPECT_EQ(fine.lines.size(), coarse.lines.size() + 49 + 24);
    EXPECT_EQ(coarse.lines[1], "Line 0 0 0 250 7");
    // Only 1 switches the fine grid on.
    EXPECT_EQ(Draw(*state, static_cast<ChartMesh>(2)).lines, coarse.lines);
}

TEST(DrawChart, TheTargetMarkerSitsOnTheRoundedDownTargetRow) {
    auto state = BlankResult();
    state->Conditions.Depth = 4.37;
    EXPECT_GE(Find(Draw(*state).lines, "Circle 250 43 2 12"), 0);
    state->Conditions.Depth = 5;
    EXPECT_GE(Find(Draw(*state).lines, "Circle 250 50 2 12"), 0);
    state->Conditions.Depth = 0.09;
    EXPECT_GE(Find(Draw(*state).lines, "Circle 250 0 2 12"), 0);
}

TEST(DrawChart, TheCrossingExampleStartsAtNinetyNineAndAHalfAndClosesFromColumnHundred) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);  // 0.4 in column 99, 0.6 in 100..400, 0.4 in 401
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    const auto& lines = drawing.lines;
    const auto& c = drawing.curves;

    // Level 5 (L = 0.5): left crossing 99 + 0.1 / 0.2 = 99.5, right 400.5.
    EXPECT_EQ(c.CurveStartX[0][5], 99.5);
    EXPECT_EQ(c.CurveStartY[0][5], 10);
    EXPECT_EQ(c.CurveEndX[0][5], 99.5);
    EXPECT_EQ(c.CurveEndY[0][5], 100);
    EXPECT_EQ(c.CurveStartX[1][5], 400.5);
    EXPECT_EQ(c.CurveEndY[1][5], 100);
    // Level 1: 98 + 0.1 / 0.4.
    EXPECT_EQ(c.CurveStartX[0][1], 98.25);
    EXPECT_GE(Find(lines, "Line 98.25 10 98.25 11 0"), 0);
    EXPECT_GE(Find(lines, "Line 98.25 99 98.25 100 0"), 0);
    EXPECT_EQ(Find(lines, "Line 98.25 100 98.25 101 0"), -1);

    // The top closing line of level 5 starts at the crossing and steps the
    // columns Int(100.5) = 100 .. Int(400.5) = 400, then ends at the right start.
    const long top = Find(lines, "PSet 99.5 10 0");
    ASSERT_GE(top, 0);
    const std::string y = N(9 + (0.5 - 0) / (0.6 - 0));
    EXPECT_EQ(lines[top + 1], "LineTo 100 " + y + " 0");
    EXPECT_EQ(lines[top + 301], "LineTo 400 " + y + " 0");
    EXPECT_EQ(lines[top + 302], "LineTo 400.5 10 0");
    // The bottom closing line between rows 100 and 101.
    const long bottom = Find(lines, "PSet 99.5 100 0");
    ASSERT_EQ(bottom, top + 303);
    EXPECT_EQ(lines[bottom + 1], "LineTo 100 " + N(100 + (0.5 - 0.6) / (0 - 0.6)) + " 0");
    EXPECT_EQ(lines[bottom + 302], "LineTo 400.5 100 0");
}

TEST(DrawChart, TheLabelColumnRunsFromTwoThirtyFiveUpToMinusFifty) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100, 2.0, 0.05);  // every level up to 200 %
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    const auto& lines = drawing.lines;

    const long first = Find(lines, "PSet 520 235 15");
    ASSERT_GE(first, 0);
    EXPECT_EQ(lines[first + 1], "ForeColor 0");
    EXPECT_EQ(lines[first + 2], "Print  10 %");
    const long hundred = Find(lines, "PSet 520 100 15");
    ASSERT_GE(hundred, 0);
    EXPECT_EQ(lines[hundred + 1], "ForeColor 12");
    EXPECT_EQ(lines[hundred + 2], "Print  100 %");
    const long last = Find(lines, "PSet 520 -50 15");
    ASSERT_GE(last, 0);
    EXPECT_EQ(lines[last + 1], "ForeColor 12");
    EXPECT_EQ(lines[last + 2], "Print  200 %");
    // After the last label the foreground goes back to black (before the right pass).
    EXPECT_EQ(lines[last + 3], "ForeColor 0");

    std::vector<int> all;
    for (int k = 1; k <= 20; ++k) all.push_back(k);
    EXPECT_EQ(LabelledLevels(lines), all);
}

TEST(DrawChart, ColoursFollowTheLevel) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100, 2.0, 0.05);
    const auto lines = Draw(*state).lines;
    for (int k = 1; k <= 20; ++k) {
        const long label = Find(lines, "PSet 520 " + std::to_string(250 - 15 * k) + " 15");
        ASSERT_GE(label, 0) << k;
        const int colour = k < 6 ? 0 : (k < 10 ? 9 : 12);
        EXPECT_EQ(lines[label + 1], "ForeColor " + std::to_string(colour)) << k;
        EXPECT_EQ(lines[label + 2], "Print  " + std::to_string(10 * k) + " %") << k;
        // The flank just before the label is drawn in the level's colour.
        const std::string& flank = lines[label - 1];
        EXPECT_EQ(flank.substr(flank.rfind(' ') + 1), std::to_string(colour)) << k;
        EXPECT_EQ(lines[label - 1].rfind("Line ", 0), 0u) << k;
    }
    // Curves of level 1 (black) carry their colour 0 even though it is the foreground.
    const std::string x1 = N(99 + (0.1 - 0.05) / (2.0 - 0.05));
    EXPECT_GE(Find(lines, "Line " + x1 + " 10 " + x1 + " 11 0"), 0);
    EXPECT_GE(Find(lines, "PSet " + x1 + " 10 0"), 0);
    for (const auto& line : lines) {
        if (line.rfind("Line ", 0) == 0 || line.rfind("LineTo ", 0) == 0 || line.rfind("PSet ", 0) == 0 ||
            line.rfind("Circle ", 0) == 0) {
            EXPECT_THAT(line, ::testing::MatchesRegex(".* (-|0|7|9|12|15)")) << line;
        }
    }
}

TEST(DrawChart, LevelsAreComparedWithPointOneTimesK) {
    // A plateau of exactly k / 10 reaches level k only where 0.1 x k is not
    // above k / 10; for k = 3, 6, 7, 12, 14, 17 and 19 it is one bit above.
    const std::vector<int> above{3, 6, 7, 12, 14, 17, 19};
    for (int k = 1; k <= 20; ++k) {
        const bool differs = std::find(above.begin(), above.end(), k) != above.end();
        ASSERT_EQ(0.1 * k != k / 10.0, differs) << k;
        ASSERT_EQ(0.1 * k > k / 10.0, differs) << k;
        auto state = BlankResult();
        CrossingBlock(*state, 20, 60, k / 10.0, 0.01);
        const auto drawing = Draw(*state);
        ASSERT_FALSE(drawing.failed) << k;
        const auto levels = LabelledLevels(drawing.lines);
        ASSERT_FALSE(levels.empty());
        EXPECT_EQ(levels.back(), differs ? k - 1 : k) << k;
        EXPECT_EQ(drawing.curves.CurveStartX[0][k] == -1, differs) << k;

        // A plateau of exactly 0.1 x k always reaches level k.
        auto exact = BlankResult();
        CrossingBlock(*exact, 20, 60, 0.1 * k, 0.01);
        EXPECT_EQ(LabelledLevels(Draw(*exact).lines).back(), k) << k;
    }
}

TEST(DrawChart, TheTargetCellAloneMakesTheHundredPercentLevelUpToRow249) {
    auto state = BlankResult();
    state->DoseGrid(250, 249) = 1.0;
    auto levels = LabelledLevels(Draw(*state).lines);
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.back(), 10);

    auto deeper = BlankResult();
    deeper->DoseGrid(250, 250) = 1.0;  // row 250 is not searched
    EXPECT_TRUE(LabelledLevels(Draw(*deeper).lines).empty());
}

TEST(DrawChart, TheHundredPercentLevelIsDrawnForComputedGrids) {
    for (const char* depth : {"0", "5.0", "12.3", "24.9"}) {
        auto state = test::ComputedResult(1, depth, "10.0", "10.0", 1);
        const auto drawing = Draw(*state);
        ASSERT_FALSE(drawing.failed) << depth;
        EXPECT_GE(Find(drawing.lines, "Print  100 %"), 0) << depth;
        EXPECT_NE(drawing.curves.CurveStartX[0][10], -1) << depth;
    }
}

TEST(DrawChart, LevelsAboveTheHighestDoseLeaveAGapAndTheirTablesAtMinusOne) {
    auto state = test::ComputedResult(1, "5.0", "10.0", "10.0", 1);
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    const auto levels = LabelledLevels(drawing.lines);
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.front(), 1);
    EXPECT_LT(levels.back(), 20);
    EXPECT_EQ(Find(drawing.lines, "PSet 520 -50 15"), -1);
    for (int k = levels.back() + 1; k <= 20; ++k) {
        for (int t = 0; t < 2; ++t) {
            EXPECT_EQ(drawing.curves.CurveStartX[t][k], -1) << k;
            EXPECT_EQ(drawing.curves.CurveStartY[t][k], -1) << k;
            EXPECT_EQ(drawing.curves.CurveEndX[t][k], -1) << k;
            EXPECT_EQ(drawing.curves.CurveEndY[t][k], -1) << k;
        }
    }
}

TEST(DrawChart, ACurveThatStartsAtTheSurfaceHasNoTopLine) {
    auto state = BlankResult();
    CrossingBlock(*state, 0, 100);
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    // Levels 1..5: one bottom closing line each, no top line (no PSet on row 0).
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(drawing.curves.CurveStartY[0][k], 0);
    for (const auto& line : drawing.lines) {
        if (line.rfind("PSet ", 0) == 0 && line.rfind("PSet 520 ", 0) != 0) {
            EXPECT_THAT(line, ::testing::MatchesRegex("PSet [0-9.]+ 100 0")) << line;
        }
    }
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet 520 "), 5);
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet "), 5 + 5);
    EXPECT_GE(Find(drawing.lines, "PSet 99.5 100 0"), 0);
}

TEST(DrawChart, AFlankThatReachesDepthStepsHasNoBottomLine) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 250);
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    EXPECT_EQ(drawing.curves.CurveEndY[0][5], 250);
    EXPECT_EQ(drawing.curves.CurveEndY[1][5], 250);
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet "), 5 + 5);  // labels and top lines only
    EXPECT_GE(Find(drawing.lines, "PSet 99.5 10 0"), 0);
    EXPECT_EQ(Find(drawing.lines, "PSet 99.5 250 0"), -1);
}

TEST(DrawChart, ACurveOneRowHighHasNoSegmentsAndOnlyItsTopLine) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 10);
    const auto drawing = Draw(*state);
    ASSERT_FALSE(drawing.failed);
    const auto& c = drawing.curves;
    EXPECT_EQ(c.CurveStartX[0][5], 99.5);
    EXPECT_EQ(c.CurveStartY[0][5], 10);
    EXPECT_EQ(c.CurveEndX[0][5], -1);
    EXPECT_EQ(c.CurveEndY[0][5], -1);
    EXPECT_EQ(c.CurveEndY[1][5], -1);
    // No curve segment at all: every Line is of the framework.
    for (const auto& line : drawing.lines) {
        if (line.rfind("Line ", 0) == 0) {
            EXPECT_THAT(line, ::testing::MatchesRegex(".* (7|-)")) << line;
        }
    }
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet "), 5 + 5);
    EXPECT_GE(Find(drawing.lines, "PSet 99.5 10 0"), 0);
}

TEST(DrawChart, ALeftCrossingAtColumnZeroFailsWithTheFrameworkKept) {
    auto state = BlankResult();
    FillBlock(*state, 0, 500, 10, 20, 0.5);
    const auto drawing = Draw(*state);
    EXPECT_TRUE(drawing.failed);
    ASSERT_FALSE(drawing.lines.empty());
    EXPECT_EQ(drawing.lines.back(), "Print -20");  // no start point of level 1 was drawn
}

TEST(DrawChart, ALeftCrossingAtColumnZeroInAFollowingRowKeepsTheSegmentsDrawn) {
    auto state = BlankResult();
    FillBlock(*state, 50, 450, 10, 20, 0.5);
    FillBlock(*state, 0, 450, 21, 30, 0.5);
    const auto drawing = Draw(*state);
    EXPECT_TRUE(drawing.failed);
    const std::string x = N(49 + 0.1 / 0.5);
    EXPECT_EQ(drawing.lines.back(), "Line " + x + " 19 " + x + " 20 0");
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet "), 0);  // no label for the failed level
}

TEST(DrawChart, ARightCrossingAtColumnFiveHundredFailsInTheRightPass) {
    auto state = BlankResult();
    FillBlock(*state, 50, 500, 10, 20, 0.5);
    const auto drawing = Draw(*state);
    EXPECT_TRUE(drawing.failed);
    // The left pass ran to its end with its labels; the right pass failed at
    // its first level's start.
    EXPECT_EQ(drawing.lines.back(), "ForeColor 0");
    EXPECT_EQ(CountPrefix(drawing.lines, "PSet 520 "), 5);
}

TEST(DrawChart, ADivisionByZeroInAClosingInterpolationFails) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);
    state->DoseGrid(250, 10) = 0;  // column 250 holds 0 in rows 9 and 10
    const auto drawing = Draw(*state);
    EXPECT_TRUE(drawing.failed);
    // Level 1's top line got as far as column 249.
    const std::string y = N(9 + (0.1 - 0) / (0.6 - 0));
    EXPECT_EQ(drawing.lines.back(), "LineTo 249 " + y + " 0");
    EXPECT_EQ(Find(drawing.lines, "Line 200 -150 200 -130 -"), -1);
}

TEST(DrawChart, ANonFiniteCellFails) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);
    state->DoseGrid(99, 30) = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(Draw(*state).failed);

    auto infinite = BlankResult();
    CrossingBlock(*infinite, 10, 100);
    infinite->DoseGrid(300, 50) = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(Draw(*infinite).failed);
}

TEST(DrawChart, AFortyCentimetreSsdFieldFailsOnScreen) {
    auto state = test::ComputedResult(1, "5.0", "40", "40", 1);
    const auto drawing = Draw(*state);
    EXPECT_TRUE(drawing.failed);
    // The framework and the curves drawn before the failure stay.
    EXPECT_EQ(drawing.lines.front(), "Cls");
    EXPECT_GE(Find(drawing.lines, "Print -20"), 0);
    EXPECT_EQ(Find(drawing.lines, "Print SSD = 100 cm"), -1);
    EXPECT_GT(drawing.lines.size(), 100u);
}

TEST(DrawChart, TheWidestFieldsThatStillDraw) {
    auto wide = test::ComputedResult(1, "5.0", "30", "30", 1);
    EXPECT_FALSE(Draw(*wide).failed);
    // A wedge raises the dose towards column 0: the same field fails there.
    auto wedged = test::ComputedResult(1, "5.0", "30", "30", 4);
    EXPECT_TRUE(Draw(*wedged).failed);
    auto widest = test::ComputedResult(1, "5.0", "37", "37", 1);
    EXPECT_FALSE(Draw(*widest).failed);
    auto tooWide = test::ComputedResult(1, "5.0", "37.1", "37.1", 1);
    EXPECT_TRUE(Draw(*tooWide).failed);
}

TEST(DrawChart, CaptionsWriteNumbersByThePrintRule) {
    auto state = BlankResult();
    state->Conditions.FieldLength = 15;
    auto lines = Draw(*state).lines;
    EXPECT_GE(Find(lines, "Print  10 x 15 cm"), 0);
    const long caption = Find(lines, "Move 300 -30");
    ASSERT_GE(caption, 0);
    EXPECT_EQ(lines[caption + 1], "Print  10 x 15 cm");

    state->Conditions.FieldWidth = 0.5;
    lines = Draw(*state).lines;
    EXPECT_EQ(lines[Find(lines, "Move 300 -30") + 1], "Print  .5 x 15 cm");

    state->Conditions.Setup = BeamSetup::Std;
    EXPECT_GE(Find(Draw(*state).lines, "Print STD = 100 cm"), 0);
    state->Conditions.Setup = static_cast<BeamSetup>(0);
    EXPECT_GE(Find(Draw(*state).lines, "Print STD = 100 cm"), 0);
}

TEST(DrawChart, TheWedgeSymbolAndCaptionFollowTheWedgeKind) {
    const std::vector<std::string> triangle{"Line 150 -115 350 -115 -", "LineTo 350 -90 -",
                                            "LineTo 150 -115 -"};
    struct Case {
        int kind;
        const char* caption;
    };
    for (const Case& c : {Case{1, "Wedge filter : non"}, Case{2, "Wedge filter : 30 degree"},
                          Case{3, "Wedge filter : 45 degree"}, Case{4, "Wedge filter : 60 degree"},
                          Case{0, "Wedge filter : 60 degree"}, Case{7, "Wedge filter : 60 degree"}}) {
        auto state = BlankResult();
        state->Conditions.WedgeKind = static_cast<WedgeFilter>(c.kind);
        const auto lines = Draw(*state).lines;
        const long head = Find(lines, "LineTo 300 -150 -");
        ASSERT_GE(head, 0);
        if (c.kind == 1) {
            EXPECT_EQ(lines[head + 1], "Move 300 -30") << c.kind;
        } else {
            EXPECT_EQ(lines[head + 1], triangle[0]) << c.kind;
            EXPECT_EQ(lines[head + 2], triangle[1]) << c.kind;
            EXPECT_EQ(lines[head + 3], triangle[2]) << c.kind;
        }
        EXPECT_EQ(lines.back(), std::string("Print ") + c.caption) << c.kind;
        EXPECT_EQ(lines[lines.size() - 2], "Move 300 -70");
    }
}

TEST(DrawChart, WritesTheScratchValuesAndLeavesTheForegroundBlack) {
    auto state = BlankResult();
    CrossingBlock(*state, 10, 100);
    const auto drawing = Draw(*state);
    const auto& lines = drawing.lines;
    EXPECT_EQ(drawing.curves.CurveColour, 12);     // the closing pass ends with level 20
    EXPECT_EQ(drawing.curves.SegmentEndX, 400.5);  // the last segment drawn: level 5's right flank
    EXPECT_EQ(drawing.curves.SegmentEndY, 100);
    // The last ForeColor is the black set before the right pass.
    long lastForeColor = -1;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("ForeColor", 0) == 0) lastForeColor = static_cast<long>(i);
    ASSERT_GE(lastForeColor, 0);
    EXPECT_EQ(lines[lastForeColor], "ForeColor 0");
}

TEST(DrawChart, NoOperationWritesPageSettings) {
    auto state = test::ComputedResult(1, "5.0", "10.0", "10.0", 3);
    const auto drawing = Draw(*state, ChartMesh::OneCm);
    ASSERT_FALSE(drawing.failed);
    for (const char* setting : {"ScaleMode", "ScaleTop", "ScaleLeft", "Font", "DrawWidth", "EndDoc"})
        EXPECT_EQ(CountPrefix(drawing.lines, setting), 0) << setting;
    EXPECT_EQ(drawing.lines.front(), "Cls");
}

}  // namespace
}  // namespace corvane
