#include "chart/RecordingSurface.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(RecordingSurface, WritesEveryOperationInItsForm) {
    RecordingSurface s;
    s.Cls();
    s.Line(1, 2, 3.5, 4, 7);
    s.Line(1, 2, 3, 4, std::nullopt);
    s.LineTo(-0.0, 0.25, 12);
    s.LineTo(5, 6, std::nullopt);
    s.Box(0, 0, 500, 250);
    s.PSet(520, 235, 15);
    s.PSet(1, 1, std::nullopt);
    s.Circle(250, 50, 2, 12);
    s.Circle(250, 43.7, 1, std::nullopt);
    s.SetCurrentXY(-10, -8);
    s.ForeColor(9);
    s.Print(" 10 %");
    s.Print("");
    EXPECT_EQ(s.text(), "Cls\n"
                        "Line 1 2 3.5 4 7\n"
                        "Line 1 2 3 4 -\n"
                        "LineTo 0 0.25 12\n"
                        "LineTo 5 6 -\n"
                        "Box 0 0 500 250\n"
                        "PSet 520 235 15\n"
                        "PSet 1 1 -\n"
                        "Circle 250 50 2 12\n"
                        "Circle 250 43.700000000000003 1 -\n"
                        "Move -10 -8\n"
                        "ForeColor 9\n"
                        "Print  10 %\n"
                        "Print \n");
    EXPECT_EQ(s.operationCount(), 14u);
}

TEST(RecordingSurface, WritesThePageSettings) {
    RecordingSurface s;
    s.ScaleModeMillimetres();
    s.ScaleTop(-36);
    s.ScaleLeft(150);
    s.Font("Times New Roman", 16);
    s.DrawWidth(1);
    s.DrawWidth(4);
    s.EndDoc();
    EXPECT_EQ(s.text(), "ScaleMode mm\n"
                        "ScaleTop -36\n"
                        "ScaleLeft 150\n"
                        "Font Times New Roman 16\n"
                        "DrawWidth 1\n"
                        "DrawWidth 4\n"
                        "EndDoc\n");
}

TEST(RecordingSurface, SplitsIntoLinesAndClears) {
    RecordingSurface s;
    s.Cls();
    s.Print("SSD = 100 cm");
    const auto lines = s.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Cls");
    EXPECT_EQ(lines[1], "Print SSD = 100 cm");
    s.clear();
    EXPECT_EQ(s.text(), "");
    EXPECT_TRUE(s.lines().empty());
    EXPECT_EQ(s.operationCount(), 0u);
}

TEST(CountingSurface, CountsEveryOperation) {
    CountingSurface s;
    DrawingSurface& d = s;
    d.Cls();
    d.Line(0, 0, 1, 1, 7);
    d.LineTo(1, 1, std::nullopt);
    d.Box(0, 0, 1, 1);
    d.PSet(0, 0, 15);
    d.Circle(0, 0, 1, 12);
    d.SetCurrentXY(0, 0);
    d.ForeColor(0);
    d.Print("x");
    d.ScaleModeMillimetres();
    d.ScaleTop(0);
    d.ScaleLeft(0);
    d.Font("Times New Roman", 16);
    d.DrawWidth(1);
    d.EndDoc();
    EXPECT_EQ(s.count, 15u);
}

}  // namespace
}  // namespace corvane
