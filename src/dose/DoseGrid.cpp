#include "dose/DoseGrid.h"

#include "dose/CalculationFailure.h"
#include "dose/PointDoseModel.h"
#include "state/LeadingNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace corvane {

namespace {

constexpr int AxisColumn = 250;
constexpr int LastRow = 250;  // rows beyond it are never computed

// The half plane, row by row (depth outer, lateral inner).
void computeHalfPlane(CalculationState& state, const DoseModelInputs& in) {
    const int depthSteps = state.Chart.DepthSteps;
    const int halfWidthSteps = state.Chart.HalfWidthSteps;
    for (int J = 0; J <= depthSteps; ++J) {
        const double d = 0.1 * J;
        const double s = EquivalentSquare(in, d);
        const double f = InverseSquareFactor(in, d);
        const double T = TmrAt(in.Beam, d, s);
        const int c = OcrColumnFor(d);
        const double h = BeamHalfWidth(in, d);
        if (h == 0) FailCalculation("beam half-width is 0");
        const double fT = f * T;
        double* row = state.HalfDoseGrid.row(J);
        for (int i = 0; i <= halfWidthSteps; ++i) {
            const double dose = OcrForColumns(in.Beam, i / h, c, d) * fT;
            row[i] = RequireFinite(dose, "point dose");
        }
    }
}

// Both sides of the axis get the half plane; the axis column is written twice.
// Beyond HalfWidthSteps both matrices hold the 0 of the clearing, so the copy
// stops there.
void mirror(CalculationState& state) {
    const int lastStep = std::min(state.Chart.HalfWidthSteps, 250);
    for (int J = 0; J <= LastRow; ++J) {
        const double* half = state.HalfDoseGrid.row(J);
        double* full = state.DoseGrid.row(J);
        for (int i = 0; i <= lastStep; ++i) {
            full[AxisColumn + i] = half[i];
            full[AxisColumn - i] = half[i];
        }
    }
}

// The wedge factor of one depth row, for every column with a dose.
//
// exp(-0.5927 t) along a row is a geometric progression in the distance from
// the axis, so it is carried from column to column by one multiplication and
// re-anchored by a full evaluation every few columns. That keeps the result
// within a few units in the last place of the literal formula at a fraction
// of the cost. The thickness itself, and so where it is clamped to 0, is
// computed literally for every column.
void applyWedgeToRow(double* row, const DoseModelInputs& in, double d, int lastStep) {
    constexpr int AnchorEvery = 16;
    const double distance = in.Ssd + d;
    if (distance == 0) FailCalculation("source-point distance is 0");
    const double mu = -0.5927;

    auto thickness = [&](int I) {
        const double l = 0.1 * std::abs(AxisColumn - I);
        const double lWedge = l * 60.0 / distance;
        if (I < AxisColumn) {
            const double t = in.WedgeSlope * (15.0 - lWedge);
            return t < 0 ? 0.0 : t;
        }
        return in.WedgeSlope * (lWedge + 15.0);
    };

    // Towards larger I the lead thickens by slope x 6 / distance per column.
    const double step = std::exp(mu * (in.WedgeSlope * 6.0 / distance));
    const double stepBack = 1 / step;
    double factor = 0;
    for (int n = 0; n <= lastStep; ++n) {
        const int I = AxisColumn + n;
        factor = (n % AnchorEvery == 0) ? std::exp(mu * thickness(I)) : factor * step;
        if (row[I] != 0) row[I] = RequireFinite(factor * row[I], "wedged dose");
    }
    for (int n = 1; n <= lastStep; ++n) {
        const int I = AxisColumn - n;
        const double t = thickness(I);
        if (t == 0) {
            factor = 1;  // beyond the thin end of the wedge
        } else {
            factor = (n % AnchorEvery == 1) ? std::exp(mu * t) : factor * stepBack;
        }
        if (row[I] != 0) row[I] = RequireFinite(factor * row[I], "wedged dose");
    }
}

void applyWedge(CalculationState& state, const DoseModelInputs& in) {
    const int lastStep = std::min(state.Chart.HalfWidthSteps, 250);
    const bool progressionHolds = std::isfinite(in.WedgeSlope) && in.WedgeSlope >= 0;
    for (int J = 0; J <= LastRow; ++J) {
        const double d = 0.1 * J;
        double* row = state.DoseGrid.row(J);
        if (progressionHolds && in.Ssd + d > 0) {
            applyWedgeToRow(row, in, d, lastStep);
            continue;
        }
        for (int I = AxisColumn - lastStep; I <= AxisColumn + lastStep; ++I)
            if (row[I] != 0) row[I] = RequireFinite(WedgeFactor(in, I, d) * row[I], "wedged dose");
    }
}

void normalise(CalculationState& state) {
    const double targetRow = 10 * state.Conditions.Depth;
    if (!(targetRow >= 0) || !(targetRow < 301)) FailCalculation("target row outside the dose grid");
    const double reference = state.DoseGrid(AxisColumn, static_cast<int>(std::floor(targetRow)));
    if (reference == 0) FailCalculation("reference dose is 0");
    RequireFinite(reference, "reference dose");

    // Cells outside the computed columns hold 0 and stay 0.
    const int lastStep = std::min(state.Chart.HalfWidthSteps, 250);
    for (int J = 0; J <= state.Chart.DepthSteps; ++J) {
        double* row = state.DoseGrid.row(J);
        for (int I = AxisColumn - lastStep; I <= AxisColumn + lastStep; ++I)
            row[I] = row[I] / reference;
    }
}

} // namespace

void ReadConditionEntries(CalculationState& state, std::string_view depthText,
                          std::string_view widthText, std::string_view lengthText) {
    state.Conditions.Depth = ParseLeadingNumber(depthText);
    state.Conditions.FieldWidth = ParseLeadingNumber(widthText);
    state.Conditions.FieldLength = ParseLeadingNumber(lengthText);
    state.Conditions.PhantomThickness = 25;
}

void ComputeDoseGrid(CalculationState& state) {
    const IrradiationConditions& cond = state.Conditions;

    // Negative sizes are outside the model's domain (-0 counts as 0).
    if (cond.FieldWidth < 0 || cond.FieldLength < 0) FailCalculation("negative field size");
    const double ratio = AreaPerimeterRatio(cond.FieldWidth, cond.FieldLength);

    state.DoseGrid.fill(0);
    state.HalfDoseGrid.fill(0);
    state.Curves.reset();

    // Both are compared with their limit in double, before any conversion to int.
    state.Chart.DepthSteps = static_cast<int>(std::min(10.0 * cond.PhantomThickness, 250.0));
    const double halfWidthSteps = std::floor(10 * (1.7 * (cond.FieldWidth / 2))) + 1;
    state.Chart.HalfWidthSteps = halfWidthSteps > 250 ? 250 : static_cast<int>(halfWidthSteps);

    const double ssd = RequireFinite(cond.Setup == 1 ? 100 : 100 - cond.Depth, "SSD");
    const DoseModelInputs in{state.Beam, ssd, cond.FieldWidth, cond.FieldLength, ratio,
                             cond.WedgeKind, state.WedgeSlope};

    computeHalfPlane(state, in);
    mirror(state);
    if (cond.WedgeKind != 1) applyWedge(state, in);
    normalise(state);
}

} // namespace corvane
