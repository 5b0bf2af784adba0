#include "dose/PointDoseModel.h"

#include <cstdlib>

namespace corvane {

void FailCalculation(const char* cause) { throw CalculationFailure(cause); }

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

double TmrAt(const BeamData& beam, double d, double s) {
    int j = 2;
    while (s > beam.FieldSizeTable[j]) {
        if (++j > BeamData::FieldColumns) FailCalculation("equivalent square beyond the TMR table");
    }
    int r = 2;
    while (d > beam.DepthTable[r]) {
        if (++r > BeamData::DepthRows) FailCalculation("depth beyond the TMR table");
    }
    const double d1 = beam.DepthTable[r - 1];
    const double d2 = beam.DepthTable[r];
    if (d2 - d1 == 0) FailCalculation("two TMR rows share one depth");
    const auto& rowAbove = beam.TmrTable[r - 1];
    const auto& rowBelow = beam.TmrTable[r];
    const double t1 = rowAbove[j - 1] + (d - d1) / (d2 - d1) * (rowBelow[j - 1] - rowAbove[j - 1]);
    const double t2 = rowAbove[j] + (d - d1) / (d2 - d1) * (rowBelow[j] - rowAbove[j]);
    const double a1 = beam.FieldSizeTable[j - 1];
    const double a2 = beam.FieldSizeTable[j];
    return RequireFinite(t1 + (t2 - t1) * (s - a1) / (a2 - a1), "TMR");
}

double BeamHalfWidth(const DoseModelInputs& in, double d) {
    return RequireFinite(in.FieldWidth / 2 * (in.Ssd + d) / 10, "beam half-width");
}

double OcrAt(const BeamData& beam, double x, double d) {
    return RequireFinite(OcrForColumns(beam, x, OcrColumnFor(d), d), "OCR");
}

double WedgeFactor(const DoseModelInputs& in, int I, double d) {
    const double l = 0.1 * std::abs(250 - I);
    const double distance = in.Ssd + d;
    if (distance == 0) FailCalculation("source-point distance is 0");
    const double lWedge = l * 60.0 / distance;
    double t;
    if (I < 250) {
        t = in.WedgeSlope * (15.0 - lWedge);
        if (t < 0) t = 0;
    } else {
        t = in.WedgeSlope * (lWedge + 15.0);
    }
    return RequireFinite(std::exp(-0.5927 * t), "wedge factor");
}

} // namespace corvane
