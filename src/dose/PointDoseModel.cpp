#include "dose/PointDoseModel.h"

#include "state/GridGeometry.h"

#include <cstdlib>

namespace corvane {

void FailCalculation(const char* cause) { throw CalculationFailure(cause); }

namespace {

// The OCR at x with the column pair (c, c + 1) chosen for depth d.
double ocrForColumns(const BeamData& beam, double x, int c, double d) {
    // Rows m1 = Int(10 x) + 1 and m2 = m1 + 1 must both lie within 1..21.
    // Compared in double, so that no huge or NaN value reaches the int.
    const double tenX = 10 * x;
    if (!(tenX >= 0) || !(tenX < 20)) FailCalculation("off-axis distance outside the OCR table");
    const int m1 = static_cast<int>(std::floor(tenX)) + 1;
    const int m2 = m1 + 1;
    const double x1 = 0.1 * (m1 - 1);
    const double x2 = 0.1 * (m2 - 1);
    const auto& row1 = beam.OcrTable[m1];
    const auto& row2 = beam.OcrTable[m2];
    const double pc = row1[c] + (x - x1) * (row2[c] - row1[c]) / (x2 - x1);
    const double pc1 = row1[c + 1] + (x - x1) * (row2[c + 1] - row1[c + 1]) / (x2 - x1);
    return pc1 + (15 * c - d) * (pc - pc1) / 15;
}

}  // namespace

double AreaPerimeterRatio(double fieldWidth, double fieldLength) {
    const double perimeterHalf = fieldLength + fieldWidth;
    if (perimeterHalf == 0) FailCalculation("field width + length is 0");
    return RequireFinite(fieldLength * fieldWidth / (perimeterHalf * 2), "area-to-perimeter ratio");
}

double EquivalentSquare(const DoseModelInputs& in, double d) {
    // 4 x area / perimeter at the SAD, scaled to the distance SSD + d.
    double s = RequireFinite(4 * in.AreaPerimeterRatio * (in.Ssd + d) / 100, "equivalent square");
    if (s > 35.0) s = 35.0;
    return s;
}

double InverseSquareFactor(const DoseModelInputs& in, double d) {
    const double distance = in.Ssd + d;
    if (distance == 0) FailCalculation("source-point distance is 0");
    return RequireFinite(10000 / (distance * distance), "inverse-square factor");
}

double TmrAtDepth(const BeamData& beam, double d, int column) {
    int r = 2;
    while (d > beam.DepthTable[r]) {
        if (++r > BeamData::DepthRows) FailCalculation("depth beyond the TMR table");
    }
    const double d1 = beam.DepthTable[r - 1];
    const double d2 = beam.DepthTable[r];
    if (d2 - d1 == 0) FailCalculation("two TMR rows share one depth");
    const double above = beam.TmrTable[r - 1][column];
    const double below = beam.TmrTable[r][column];
    return above + (d - d1) / (d2 - d1) * (below - above);
}

double TmrAt(const BeamData& beam, double d, double s) {
    int j = 2;
    while (s > beam.FieldSizeTable[j]) {
        if (++j > BeamData::FieldColumns) FailCalculation("equivalent square beyond the TMR table");
    }
    const double t1 = TmrAtDepth(beam, d, j - 1);
    const double t2 = TmrAtDepth(beam, d, j);
    const double a1 = beam.FieldSizeTable[j - 1];
    const double a2 = beam.FieldSizeTable[j];
    return RequireFinite(t1 + (t2 - t1) * (s - a1) / (a2 - a1), "TMR");
}

double BeamHalfWidth(const DoseModelInputs& in, double d) {
    return RequireFinite(in.FieldWidth / 2 * (in.Ssd + d) / 10, "beam half-width");
}

double OcrAt(const BeamData& beam, double x, double d) {
    return RequireFinite(ocrForColumns(beam, x, OcrColumnFor(d), d), "OCR");
}

double WedgeThickness(const DoseModelInputs& in, int I, double d) {
    const double distance = in.Ssd + d;
    if (distance == 0) FailCalculation("source-point distance is 0");
    const double l = 0.1 * std::abs(AxisColumn - I);
    const double lWedge = l * 60.0 / distance;
    if (I < AxisColumn) {
        const double t = in.WedgeSlope * (15.0 - lWedge);
        return t < 0 ? 0.0 : t;  // beyond the thin end of the wedge
    }
    return in.WedgeSlope * (lWedge + 15.0);
}

double WedgeFactor(const DoseModelInputs& in, int I, double d) {
    return RequireFinite(std::exp(-LeadAttenuationPerCm * WedgeThickness(in, I, d)), "wedge factor");
}

}  // namespace corvane
