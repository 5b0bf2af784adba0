// The relative dose at one point of the water phantom: inverse square x TMR
// x OCR, and the wedge factor. Pure functions; each throws
// CalculationFailure where the calculation must stop.
#pragma once

#include "dose/CalculationFailure.h"
#include "state/BeamData.h"
#include "state/Conditions.h"

#include <cmath>

namespace corvane {

// What the model needs of the calculation state for one run.
struct DoseModelInputs {
    const BeamData& Beam;
    double Ssd;                 // cm: 100, or 100 - Depth in the STD set-up
    double FieldWidth;          // W, cm at the SAD
    double FieldLength;         // L, cm at the SAD
    double AreaPerimeterRatio;  // L x W / ((L + W) x 2), cm
    WedgeFilter WedgeKind;
    double WedgeSlope;
};

// L x W / ((L + W) x 2); fails when L + W is 0 or the ratio is not finite.
double AreaPerimeterRatio(double fieldWidth, double fieldLength);

// Side in cm of the equivalent square at depth d, clamped to 35 cm.
double EquivalentSquare(const DoseModelInputs& in, double d);
// 10000 / ((SSD + d) x (SSD + d)).
double InverseSquareFactor(const DoseModelInputs& in, double d);
// Bilinear TMR at depth d (cm) for the equivalent square s (cm).
double TmrAt(const BeamData& beam, double d, double s);
// The TMR of one field column (1..10) at depth d (cm), linear in depth
// between the two rows around d: the depth half of TmrAt.
double TmrAtDepth(const BeamData& beam, double d, int column);
// Half-width of the field at depth d, in mm.
double BeamHalfWidth(const DoseModelInputs& in, double d);
// OCR at the relative off-axis distance x (1 = field edge) and depth d.
double OcrAt(const BeamData& beam, double x, double d);
// Wedge factor at lateral grid index I (250 = axis) and depth d:
// exp(-LeadAttenuationPerCm x WedgeThickness).
double WedgeFactor(const DoseModelInputs& in, int I, double d);
// Thickness in cm of lead along the ray to column I at depth d.
double WedgeThickness(const DoseModelInputs& in, int I, double d);

// Effective linear attenuation coefficient of lead for the 6 MV beam, per cm.
inline constexpr double LeadAttenuationPerCm = 0.5927;

// The OCR column pair for depth d: 1 for d <= 15 cm, otherwise 2.
inline int OcrColumnFor(double d) { return d <= 15 ? 1 : 2; }

[[noreturn]] void FailCalculation(const char* cause);

// C++ does not trap on a division by zero or an overflow, so every value
// that could go wrong is checked where it is formed.
inline double RequireFinite(double value, const char* cause) {
    if (!std::isfinite(value)) FailCalculation(cause);
    return value;
}

}  // namespace corvane
