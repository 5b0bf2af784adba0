#include "chart/Palette.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Palette, TheChartsNamedColoursHaveTheirNumbersAndRgbValues) {
    EXPECT_EQ(PaletteColour(ColourBlack), (Rgb{0, 0, 0}));
    EXPECT_EQ(PaletteColour(ColourGrid), (Rgb{192, 192, 192}));
    EXPECT_EQ(PaletteColour(ColourLightBlue), (Rgb{0, 0, 255}));
    EXPECT_EQ(PaletteColour(ColourLightRed), (Rgb{255, 0, 0}));
    EXPECT_EQ(PaletteColour(ColourWhite), (Rgb{255, 255, 255}));
    EXPECT_EQ(ColourGrid, 7);
    EXPECT_EQ(ColourLightBlue, 9);
    EXPECT_EQ(ColourLightRed, 12);
    EXPECT_EQ(ColourWhite, 15);
}

TEST(Palette, OutOfRangeNumbersWrapInsteadOfReadingOutside) {
    EXPECT_EQ(PaletteColour(16), PaletteColour(0));
    EXPECT_EQ(PaletteColour(28), PaletteColour(12));
    EXPECT_EQ(Palette.size(), 16u);
}

}  // namespace
}  // namespace corvane
