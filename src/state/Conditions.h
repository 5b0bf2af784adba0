// The irradiation conditions of a calculation, and how the entry texts of
// the conditions window become them.
#pragma once

#include <string_view>

namespace corvane {

// The set-up. The stored values are those of the conditions window's
// options; a value that is not Ssd reads as the STD set-up.
enum class BeamSetup : int { Ssd = 1, Std = 2 };

// The one reading of the set-up: SSD = 100 cm for Ssd, STD = 100 cm for
// every other value.
inline bool IsSsdSetup(BeamSetup setup) { return setup == BeamSetup::Ssd; }

// The wedge filter; the values are those of the conditions window's options.
enum class WedgeFilter : int { None = 1, Deg30 = 2, Deg45 = 3, Deg60 = 4 };

inline bool HasWedge(WedgeFilter wedge) { return wedge != WedgeFilter::None; }

// What one calculation is computed from: the user's entries and choices.
struct IrradiationConditions {
    BeamSetup Setup{};        // reads 0 until the start button sets it
    double Depth = 0;         // cm, depth of the target and normalisation point
    double FieldWidth = 0;    // cm at the SAD, across the plotted plane
    double FieldLength = 0;   // cm at the SAD, perpendicular to it
    int PhantomThickness = 0; // cm, always 25 once a calculation ran
    WedgeFilter WedgeKind{};  // reads 0 until the start button sets it
    // The tangent of the chosen lead wedge's physical angle: set by choosing a
    // wedge (SelectWedge), left as it was by choosing none, and read by the
    // wedge factor only while WedgeKind is a wedge.
    double WedgeSlope = 0;
};

// The phantom is 25 cm thick for every calculation.
inline constexpr int PhantomThicknessCm = 25;

// Reads the three entry texts with the leading-number parse into Depth,
// FieldWidth and FieldLength, and sets PhantomThickness.
void ReadConditionEntries(IrradiationConditions& conditions, std::string_view depthText,
                          std::string_view widthText, std::string_view lengthText);

} // namespace corvane
