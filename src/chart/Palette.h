// The 16-colour palette, numbered as QBColor numbers it.
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr std::array<Rgb, 16> Palette{{
    {0, 0, 0},        // 0 black
    {0, 0, 128},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 128, 128},    // 3 cyan
    {128, 0, 0},      // 4 red
    {128, 0, 128},    // 5 magenta
    {128, 128, 0},    // 6 yellow
    {192, 192, 192},  // 7 light grey
    {128, 128, 128},  // 8 grey
    {0, 0, 255},      // 9 light blue
    {0, 255, 0},      // 10 light green
    {0, 255, 255},    // 11 light cyan
    {255, 0, 0},      // 12 light red
    {255, 0, 255},    // 13 light magenta
    {255, 255, 0},    // 14 light yellow
    {255, 255, 255},  // 15 white
}};

// Colour numbers the chart uses by name.
inline constexpr int ColourBlack = 0;
inline constexpr int ColourGrid = 7;
inline constexpr int ColourGrey = 8;
inline constexpr int ColourLightBlue = 9;
inline constexpr int ColourLightRed = 12;
inline constexpr int ColourWhite = 15;

// An out-of-range number is taken modulo 16, never read out of bounds.
constexpr Rgb PaletteColour(int number) { return Palette[static_cast<unsigned>(number) % 16u]; }

}  // namespace corvane
