// The measured beam tables of the 6 MV photon beam, as read from the data file.
#pragma once

#include <array>

namespace corvane {

// Index 0 of every dimension is never filled and stays 0; rows and columns
// are numbered from 1 as in the data file.
struct BeamData {
    static constexpr int DepthRows = 37;
    static constexpr int FieldColumns = 10;
    static constexpr int OcrRows = 21;
    static constexpr int OcrColumns = 3;

    std::array<double, DepthRows + 1> DepthTable{};                              // cm
    std::array<double, FieldColumns + 1> FieldSizeTable{};                       // cm, fixed sides
    std::array<std::array<double, FieldColumns + 1>, DepthRows + 1> TmrTable{};  // TmrTable[i][j]
    std::array<std::array<double, OcrColumns + 1>, OcrRows + 1> OcrTable{};      // OcrTable[i][k]

    // The square field sides of the TMR columns; they are not read from the file.
    static constexpr std::array<double, FieldColumns + 1> FixedFieldSizes{0,  4,  6,  8,  10, 12,
                                                                          15, 20, 25, 30, 35};
};

}  // namespace corvane
