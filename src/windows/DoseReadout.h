// The dose box of the cursor readout.
#pragma once

#include <QString>

namespace corvane {

// d x 100 with the pattern "##0.0" and the system locale's decimal
// separator; empty when d is not above 0 (or is not a finite number).
QString DoseBoxText(double d);

}  // namespace corvane
