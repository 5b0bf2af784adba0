#include "dose/DoseGrid.h"

#include "dose/CalculationFailure.h"
#include "dose/PointDoseModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace corvane {

namespace {

// True when no value is infinite or NaN. An all-ones exponent carries into
// the sign bit when one exponent unit is added; integer operations only, so
// the compiler turns the loop into vector code. The bits are copied with
// memcpy rather than std::bit_cast, which not every library has; the
// compilers make the same code of both.
bool allFinite(const double* values, int count) {
    constexpr std::uint64_t exponentBits = 0x7ff0000000000000ULL;
    constexpr std::uint64_t exponentUnit = 0x0010000000000000ULL;
    std::uint64_t carried = 0;
    for (int k = 0; k < count; ++k) {
        std::uint64_t bits;
        std::memcpy(&bits, values + k, sizeof bits);
        carried |= (bits & exponentBits) + exponentUnit;
    }
    return (carried >> 63) == 0;
}

// The OCR of one depth row as a linear piece per pair of table rows:
// OCR(x) = base[m1] + slope[m1] x (x - x1[m1]). It is the depth-weighted
// mix of the two profile columns, folded once per row instead of once per
// point; it differs from the point-by-point formula only by rounding.
struct RowOcr {
    std::array<double, BeamData::OcrRows + 1> base{};
    std::array<double, BeamData::OcrRows + 1> slope{};
    std::array<double, BeamData::OcrRows + 1> start{};

    RowOcr(const BeamData& beam, double d) {
        const int c = OcrColumnFor(d);
        const double weight = (15 * c - d) / 15;
        for (int m1 = 1; m1 < BeamData::OcrRows; ++m1) {
            const double x1 = 0.1 * (m1 - 1);
            const double x2 = 0.1 * m1;
            const auto& row1 = beam.OcrTable[m1];
            const auto& row2 = beam.OcrTable[m1 + 1];
            const double slopeC = (row2[c] - row1[c]) / (x2 - x1);
            const double slopeC1 = (row2[c + 1] - row1[c + 1]) / (x2 - x1);
            base[m1] = row1[c + 1] + weight * (row1[c] - row1[c + 1]);
            slope[m1] = slopeC1 + weight * (slopeC - slopeC1);
            start[m1] = x1;
            folded = folded && std::isfinite(base[m1]) && std::isfinite(slope[m1]);
        }
    }

    // False when a table holds values so large that folding them overflows;
    // the row is then evaluated point by point, so that it fails only where
    // the formula itself does.
    bool folded = true;

    // Rows m1 = Int(10 x) + 1 and m1 + 1 lie within 1..21. Compared in
    // double, so that no huge or NaN value reaches an int.
    static bool inTable(double x) {
        const double tenX = 10 * x;
        return tenX >= 0 && tenX < 20;
    }

    // x must be inTable().
    double at(double x) const {
        const int m1 = static_cast<int>(10 * x) + 1;
        return base[m1] + slope[m1] * (x - start[m1]);
    }
};

// The half plane, row by row (depth outer, lateral inner).
void computeHalfPlane(DoseCalculation& result, const DoseModelInputs& in) {
    const int depthSteps = result.DepthSteps;
    const int halfWidthSteps = result.HalfWidthSteps;
    for (int J = 0; J <= depthSteps; ++J) {
        const double d = 0.1 * J;
        const double s = EquivalentSquare(in, d);
        const double f = InverseSquareFactor(in, d);
        const double T = TmrAt(in.Beam, d, s);
        const RowOcr ocr(in.Beam, d);
        const double h = BeamHalfWidth(in, d);
        if (h == 0) FailCalculation("beam half-width is 0");
        const double fT = RequireFinite(f * T, "inverse square x TMR");
        // i / h grows with i when h > 0 (a rounded division keeps the order),
        // so if the row's outermost point is inside the OCR table, all are.
        // With h < 0 every point but the axis lies outside it.
        if (!(h > 0) || !RowOcr::inTable(halfWidthSteps / h))
            FailCalculation("off-axis distance outside the OCR table");
        double* row = result.HalfDoseGrid.row(J);
        if (ocr.folded) {
            for (int i = 0; i <= halfWidthSteps; ++i) row[i] = ocr.at(i / h) * fT;
        } else {
            for (int i = 0; i <= halfWidthSteps; ++i) row[i] = OcrAt(in.Beam, i / h, d) * fT;
        }
        if (!allFinite(row, halfWidthSteps + 1)) FailCalculation("point dose is not finite");
    }
}

// The wedge factors of one depth row for the columns 250 - lastStep ..
// 250 + lastStep, into factors[I].
//
// Along a row exp(-0.5927 t) is a geometric progression in the distance from
// the axis, so it is carried from column to column by one multiplication and
// re-anchored by a full evaluation every few columns; it stays within a few
// units in the last place of the literal formula. Where the thin end clamps
// the thickness to 0 is found with the literal thickness.
void wedgeFactorsOfRow(const DoseModelInputs& in, double d, int lastStep,
                       std::array<double, GridColumns>& factors) {
    constexpr int AnchorEvery = 64;
    const double distance = in.Ssd + d;
    const double mu = -LeadAttenuationPerCm;

    // Each column towards larger I adds slope x 6 / distance cm of lead.
    const double step = std::exp(mu * (in.WedgeSlope * 6.0 / distance));
    for (int anchor = 0; anchor <= lastStep; anchor += AnchorEvery) {
        double factor = std::exp(mu * WedgeThickness(in, AxisColumn + anchor, d));
        factors[AxisColumn + anchor] = factor;
        const int end = std::min(anchor + AnchorEvery - 1, lastStep);
        for (int n = anchor + 1; n <= end; ++n) factors[AxisColumn + n] = factor *= step;
    }

    // The thickness shrinks with n on the thin side and, once clamped to 0,
    // stays 0; the literal thickness is checked around the predicted edge.
    int clampedFrom = lastStep + 1;
    const double predicted = 2.5 * distance;  // l' = 15 cm
    if (predicted < lastStep + 4) {
        int n = std::max(1, static_cast<int>(predicted) - 3);
        while (n <= lastStep && WedgeThickness(in, AxisColumn - n, d) != 0) ++n;
        clampedFrom = n;
    }
    const double stepBack = 1 / step;
    for (int anchor = 1; anchor < clampedFrom; anchor += AnchorEvery) {
        double factor = std::exp(mu * WedgeThickness(in, AxisColumn - anchor, d));
        factors[AxisColumn - anchor] = factor;
        const int end = std::min(anchor + AnchorEvery - 1, clampedFrom - 1);
        for (int n = anchor + 1; n <= end; ++n) factors[AxisColumn - n] = factor *= stepBack;
    }
    for (int n = clampedFrom; n <= lastStep; ++n) factors[AxisColumn - n] = 1.0;  // beyond the thin end
}

// Mirror, wedge and normalisation in one pass per row, with each cell formed
// in the order of the steps: (half dose x wedge factor) / reference.
void mirrorWedgeAndNormalise(DoseCalculation& result, const DoseModelInputs& in, double reference) {
    const int lastStep = std::min(result.HalfWidthSteps, AxisColumn);
    const bool wedged = HasWedge(in.WedgeKind);
    std::array<double, GridColumns> factors;
    factors.fill(1.0);
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double d = 0.1 * J;
        const double* half = result.HalfDoseGrid.row(J);
        double* full = result.DoseGrid.row(J);
        if (wedged) {
            if (std::isfinite(in.WedgeSlope) && in.WedgeSlope >= 0 && in.Ssd + d > 0) {
                wedgeFactorsOfRow(in, d, lastStep, factors);
            } else {
                for (int I = AxisColumn - lastStep; I <= AxisColumn + lastStep; ++I)
                    factors[I] = half[std::abs(I - AxisColumn)] != 0 ? WedgeFactor(in, I, d) : 1.0;
            }
        }
        // Rows past DepthSteps are mirrored and wedged but not normalised.
        const double divisor = J <= result.DepthSteps ? reference : 1.0;
        for (int n = 0; n <= lastStep; ++n)
            full[AxisColumn + n] = half[n] * factors[AxisColumn + n] / divisor;
        for (int n = 1; n <= lastStep; ++n)
            full[AxisColumn - n] = half[n] * factors[AxisColumn - n] / divisor;

        if (!allFinite(full + AxisColumn - lastStep, 2 * lastStep + 1)) FailCalculation("dose is not finite");
    }
}

// The dose at the target cell before normalisation: the half plane's axis
// cell there, times the wedge factor on the axis.
double referenceDose(const DoseCalculation& result, const DoseModelInputs& in) {
    const double targetRow = 10 * result.Conditions.Depth;
    if (!(targetRow >= 0) || !(targetRow < GridRows)) FailCalculation("target row outside the dose grid");
    const int row = static_cast<int>(targetRow);
    double reference = row <= LastComputedRow ? result.HalfDoseGrid(0, row) : 0.0;
    if (HasWedge(in.WedgeKind) && reference != 0)
        reference = WedgeFactor(in, AxisColumn, 0.1 * row) * reference;
    if (reference == 0) FailCalculation("reference dose is 0");
    return RequireFinite(reference, "reference dose");
}

// Sets to 0 every cell outside columns first..last of rows 0..lastRow.
template <class Grid>
void clearOutside(Grid& grid, int first, int last, int lastRow) {
    for (int J = 0; J < Grid::RowCount; ++J) {
        double* row = grid.row(J);
        if (J > lastRow || last < first) {
            std::fill(row, row + Grid::ColumnCount, 0.0);
            continue;
        }
        std::fill(row, row + first, 0.0);
        std::fill(row + last + 1, row + Grid::ColumnCount, 0.0);
    }
}

}  // namespace

DoseCalculation ComputeDoseGrid(const BeamData& beam, const IrradiationConditions& cond) {
    // Negative sizes are outside the model's domain (-0 counts as 0).
    if (cond.FieldWidth < 0 || cond.FieldLength < 0) FailCalculation("negative field size");
    // A field of no length has no area: the model would still give a full
    // dose (an equivalent square of 0, its TMR extrapolated). A width of 0
    // fails at its zero divisor; a length of 0 is refused here alike.
    if (cond.FieldLength == 0) FailCalculation("field length is 0");
    const double ratio = AreaPerimeterRatio(cond.FieldWidth, cond.FieldLength);

    // Both are compared with their limit in double, before any conversion to int.
    const int depthSteps =
        static_cast<int>(std::min(10.0 * cond.PhantomThickness, static_cast<double>(LastComputedRow)));
    const double halfWidth = std::floor(10 * (1.7 * (cond.FieldWidth / 2))) + 1;
    const int halfWidthSteps = halfWidth > AxisColumn ? AxisColumn : static_cast<int>(halfWidth);

    // The grids are not zeroed when made: the cells outside the passes'
    // reach are cleared here, and the passes write every other cell once.
    // A failure throws the whole result away.
    DoseCalculation result{cond, DoseMatrix(LeaveUninitialised), HalfDoseMatrix(LeaveUninitialised),
                           halfWidthSteps, depthSteps};
    const int lastStep = std::min(halfWidthSteps, AxisColumn);
    clearOutside(result.DoseGrid, AxisColumn - lastStep, AxisColumn + lastStep, LastComputedRow);
    clearOutside(result.HalfDoseGrid, 0, halfWidthSteps, std::min(depthSteps, LastComputedRow));

    const double ssd = RequireFinite(IsSsdSetup(cond.Setup) ? 100 : 100 - cond.Depth, "SSD");
    const DoseModelInputs in{beam, ssd, cond.FieldWidth, cond.FieldLength, ratio, cond.WedgeKind, cond.WedgeSlope};
    computeHalfPlane(result, in);
    const double reference = referenceDose(result, in);
    mirrorWedgeAndNormalise(result, in, reference);
    return result;
}

std::shared_ptr<const DoseCalculation> ComputeSharedDoseGrid(const BeamData& beam,
                                                             const IrradiationConditions& conditions) {
    return std::make_shared<const DoseCalculation>(ComputeDoseGrid(beam, conditions));
}

}  // namespace corvane
