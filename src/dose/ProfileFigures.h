// The teaching figures of one column and one row of the dose grid: what the
// profiles window prints under its plots. A figure that does not exist for
// the grid at hand is empty, never a number that would mislead.
#pragma once

#include "state/CalculationState.h"

#include <optional>

namespace corvane {

// Along column I (the depth dose at x = I - 250 mm), doses in percent of the
// target dose (100 x the cell).
struct DepthDoseFigures {
    std::optional<int>
        depthOfMaximumMm;  // the shallowest row of the largest cell, 0..250; empty when no cell is above 0
    std::optional<double> dose100;        // at 100 mm depth
    std::optional<double> dose200;        // at 200 mm depth
    std::optional<double> ratio200to100;  // D200 / D100; empty when D100 is not above 0
};

// Along row J (the lateral profile at depth J mm), measured against the dose
// on the central axis in that same row, cell (250, J), so that the figures
// hold at every depth. Each crossing is found walking outwards from the axis
// to the first cell below the level and is interpolated linearly between
// that cell and the one before it. All are empty when the axis dose is not
// above 0; one is empty when its level is not crossed inside the grid.
struct LateralFigures {
    std::optional<double> width50Mm;        // between the two 50 % crossings
    std::optional<double> leftPenumbraMm;   // from the 80 % to the 20 % crossing, left of the axis
    std::optional<double> rightPenumbraMm;  // likewise right of the axis
};

// Column 0..500 and row 0..250 (the rows the chart shows); anything else
// gives empty figures.
DepthDoseFigures DepthDoseFiguresOf(const DoseMatrix& grid, int column);
LateralFigures LateralFiguresOf(const DoseMatrix& grid, int row);

}  // namespace corvane
