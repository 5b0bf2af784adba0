// The program-wide calculation state: beam tables, conditions, derived chart
// parameters, the dose matrices and the work tables of the curve tracing.
#pragma once

#include "state/BeamData.h"
#include "state/Conditions.h"
#include "state/GridGeometry.h"
#include "state/Matrix.h"

#include <array>

namespace corvane {

struct ChartParams {
    int HalfWidthSteps = 0;    // mm, last lateral step computed on each side
    int DepthSteps = 0;        // mm, last depth row computed
    int CurveColour = 0;       // palette number of the level being drawn
    double SegmentStartX = 0;  // scratch values of the curve tracing
    double SegmentEndX = 0;
    double SegmentStartY = 0;
    double SegmentEndY = 0;
};

// One table per coordinate, index [trace][level]: trace 0 is the flank reached
// from the left edge, trace 1 the one from the right; level k is k x 10 %.
// -1 means "no such point".
using CurveTable = std::array<std::array<double, 21>, 2>;

struct CurveTables {
    CurveTable CurveStartX{};
    CurveTable CurveStartY{};
    CurveTable CurveEndX{};
    CurveTable CurveEndY{};

    void reset() {
        for (CurveTable* t : {&CurveStartX, &CurveStartY, &CurveEndX, &CurveEndY})
            for (auto& trace : *t) trace.fill(-1.0);
    }
};

// The background mesh of the screen chart; "Change mesh size" switches it.
enum class ChartMesh : int { FiveCm = 0, OneCm = 1 };

using DoseMatrix = Matrix<GridColumns, GridRows>;      // (I lateral 0..500, J depth 0..300)
using HalfDoseMatrix = Matrix<HalfGridColumns, GridRows>;  // (i from the axis 0..250, J depth)

// Owned by the application and handed to whoever needs it; every element
// reads 0 until it is first assigned.
struct CalculationState {
    BeamData Beam;
    IrradiationConditions Conditions;
    double WedgeSlope = 0;  // tangent of the lead wedge's physical angle
    ChartMesh MeshMode = ChartMesh::FiveCm;  // the 5 cm grid, or with the 1 cm grid too
    bool CursorInChart = false;  // the last mouse move over the picture was inside the chart
    ChartParams Chart;
    DoseMatrix DoseGrid;
    HalfDoseMatrix HalfDoseGrid;
    CurveTables Curves;  // the screen chart's curve tables
};

}  // namespace corvane
