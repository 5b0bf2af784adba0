// The result of one calculation: a value that ComputeDoseGrid makes whole and
// nothing changes afterwards. Front ends hold it shared and immutable
// (std::shared_ptr<const DoseCalculation>), so that a chart, its profiles, a
// held reference, a print and a second thread all read the same cells.
#pragma once

#include "state/Conditions.h"
#include "state/GridGeometry.h"
#include "state/Matrix.h"

namespace corvane {

using DoseMatrix = Matrix<GridColumns, GridRows>;          // (I lateral 0..500, J depth 0..300)
using HalfDoseMatrix = Matrix<HalfGridColumns, GridRows>;  // (i from the axis 0..250, J depth)

struct DoseCalculation {
    // What it was computed from, the wedge's slope included.
    IrradiationConditions Conditions;
    // The dose as a fraction of the dose at the target cell (1 = 100 %), at
    // every mm of the plane; 0 outside the computed region, which is the
    // absence of a calculation, not a dose.
    DoseMatrix DoseGrid;
    // The half plane from the axis outwards, before mirror, wedge and
    // normalisation.
    HalfDoseMatrix HalfDoseGrid;
    int HalfWidthSteps = 0;  // mm: the columns 250 - HalfWidthSteps .. 250 + HalfWidthSteps were computed
    int DepthSteps = 0;      // mm: the last depth row computed, 250 in every real run

    // The slope the wedge factor used.
    double WedgeSlope() const { return Conditions.WedgeSlope; }
};

}  // namespace corvane
