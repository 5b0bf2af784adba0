// The teaching figures of one column and one row of the dose grid: what the
// profiles window prints under its plots. A figure that does not exist for
// the grid at hand is empty, never a number that would mislead.
#pragma once

#include "dose/DoseCalculation.h"

#include <optional>

namespace corvane {

// The cells a calculation computed: the columns within `halfWidth` of the
// axis (DoseCalculation::HalfWidthSteps) of the rows 0..250. The grid holds 0
// beyond them by design, which is no dose at all, so no figure and no plot
// may read it as one.
struct ComputedRegion {
    int halfWidth = AxisColumn;  // the whole chart unless told otherwise

    int firstColumn() const { return AxisColumn - halfWidth; }
    int lastColumn() const { return AxisColumn + halfWidth; }
    bool containsColumn(int column) const { return column >= firstColumn() && column <= lastColumn(); }
    bool contains(int column, int row) const {
        return containsColumn(column) && row >= 0 && row <= LastComputedRow;
    }
};

// The region a calculation computed, held inside the chart.
ComputedRegion ComputedRegionOf(const DoseCalculation& result);

// A computed grid as the profiles read it.
struct ProfileGrid {
    const DoseMatrix* cells = nullptr;
    ComputedRegion region;
    bool wedged = false;  // drawn with a wedge filter
};

// The grid of a result, which must outlive the ProfileGrid.
ProfileGrid ProfileGridOf(const DoseCalculation& result);

// Along column I (the depth dose at x = I - 250 mm), doses in percent of the
// target dose (100 x the cell), and the two deep doses again in percent of
// the largest dose of the column. In the SSD set-up on the central axis the
// latter are the percentage depth doses PDD(10) and PDD(20); off axis, or in
// the STD set-up, they are what their names say and no textbook PDD.
// All are empty for a column outside the computed region.
struct DepthDoseFigures {
    std::optional<int>
        depthOfMaximumMm;  // the shallowest row of the largest cell, 0..250; empty when no cell is above 0
    std::optional<double> dose100;           // at 100 mm depth
    std::optional<double> dose200;           // at 200 mm depth
    std::optional<double> ratio200to100;     // D200 / D100; empty when D100 is not above 0
    std::optional<double> dose100OfMaximum;  // 100 x D100 / Dmax; empty when no cell is above 0
    std::optional<double> dose200OfMaximum;  // 100 x D200 / Dmax
};

// Along row J (the lateral profile at depth J mm), measured against the dose
// on the central axis in that same row, cell (250, J), so that the figures
// hold at every depth. Each crossing is found walking outwards from the axis
// to the first cell below the level and is interpolated linearly between
// that cell and the one before it; the walk ends at the edge of the computed
// region, so a level still above the last computed cell is not crossed. All
// are empty when the axis dose is not above 0; one is empty when its level
// is not crossed inside the region.
struct LateralFigures {
    std::optional<double> width50Mm;        // between the two 50 % crossings
    std::optional<double> leftPenumbraMm;   // from the 80 % to the 20 % crossing, left of the axis
    std::optional<double> rightPenumbraMm;  // likewise right of the axis
    // A wedged row has no penumbrae here: its dose on the axis is neither the
    // heel's nor the toe's, so 80 % and 20 % of it would measure the wedge's
    // slope along with the penumbra: 18.8 mm on one side against 7.3 mm on
    // the other at 100 mm depth for 10 x 10 cm, SSD, 45 degrees. The width
    // at 50 % stays.
    bool penumbraeWithheldForWedge = false;
};

// Column 0..500 and row 0..250 (the rows the chart shows); anything else
// gives empty figures.
DepthDoseFigures DepthDoseFiguresOf(const ProfileGrid& grid, int column);
LateralFigures LateralFiguresOf(const ProfileGrid& grid, int row);

}  // namespace corvane
