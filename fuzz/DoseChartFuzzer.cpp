// Conditions from the input, on the bundled beam data, through the dose grid
// to the screen chart and the printed page. A calculation may fail with
// CalculationFailure; whatever it computes must hold together, and the
// printed page never fails.
#include "FuzzCheck.h"

#include "chart/DrawChart.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/WedgeOptions.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using namespace corvane;

// The bundled beam data, loaded once through the real loader.
const BeamData& bundledBeam() {
    static const BeamData beam = [] {
        BeamDataLoad result = LoadBeamDataFile(CORVANE_FUZZ_DATA_FILE);
        if (!result.has_value()) {
            std::fprintf(stderr, "%s\n", DescribeBeamDataFault(result.error()).c_str());
            std::abort();
        }
        return result->data;
    }();
    return beam;
}

// Draws nothing; every coordinate must be a finite number.
class FiniteSurface final : public DrawingSurface {
public:
    void Cls() override {}
    void Line(double x1, double y1, double x2, double y2, OptionalColour) override { finite(x1, y1, x2, y2); }
    void LineTo(double x2, double y2, OptionalColour) override { finite(x2, y2); }
    void Box(double x1, double y1, double x2, double y2) override { finite(x1, y1, x2, y2); }
    void PSet(double x, double y, OptionalColour) override { finite(x, y); }
    void Circle(double x, double y, double radius, OptionalColour) override {
        finite(x, y, radius);
        FUZZ_CHECK(radius > 0);
    }
    void SetCurrentXY(double x, double y) override { finite(x, y); }
    void ForeColor(int) override {}
    void Print(std::string_view) override {}
    void DrawStyle(int) override {}
    void ScaleModeMillimetres() override {}
    void ScaleTop(double y) override { finite(y); }
    void ScaleLeft(double x) override { finite(x); }
    void Font(std::string_view, double points) override { finite(points); }
    void DrawWidth(int) override {}
    void EndDoc() override {}

private:
    template <class... Values>
    static void finite(Values... values) {
        FUZZ_CHECK((std::isfinite(values) && ...));
    }
};

// Reads every cell of every run, so it goes row by row through the row
// pointers rather than the checked Matrix index, and without the fuzzer's
// comparison tracing, which would take a fifth of the run and guide nothing.
__attribute__((no_sanitize("coverage"))) void checkGrid(const DoseCalculation& state) {
    const double targetRow = std::floor(10 * state.Conditions.Depth);
    FUZZ_CHECK(targetRow >= 0 && targetRow <= 250);
    FUZZ_CHECK(state.DoseGrid(250, static_cast<int>(targetRow)) == 1.0);

    const int halfWidth = state.HalfWidthSteps;
    FUZZ_CHECK(halfWidth >= 0 && halfWidth <= 250);
    bool finite = true;
    bool zeroOutside = true;
    for (int J = 0; J < DoseMatrix::RowCount; ++J) {
        const double* row = state.DoseGrid.row(J);
        const int first = J > 250 ? 250 + halfWidth + 1 : 250 - halfWidth;
        for (int I = 0; I < DoseMatrix::ColumnCount; ++I) {
            finite &= std::isfinite(row[I]);
            if (I < first || I > 250 + halfWidth) zeroOutside &= row[I] == 0;
        }
    }
    FUZZ_CHECK(finite);
    FUZZ_CHECK(zeroOutside);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    IrradiationConditions conditions;
    // Mostly SSD (1) or STD (2); now and then another value, which also means STD.
    const std::uint8_t setup = input.ConsumeIntegral<std::uint8_t>();
    conditions.Setup = static_cast<BeamSetup>(setup < 120 ? 1 : setup < 240 ? 2 : setup - 240);
    // An earlier wedge choice stays in WedgeSlope when "no wedge" is chosen after it.
    SelectWedge(conditions, static_cast<WedgeFilter>(input.ConsumeIntegralInRange(1, 4)));
    SelectWedge(conditions, static_cast<WedgeFilter>(input.ConsumeIntegralInRange(1, 4)));
    const ChartMesh mesh = input.ConsumeBool() ? ChartMesh::OneCm : ChartMesh::FiveCm;
    const std::string depth = input.ConsumeRandomLengthString(12);
    const std::string width = input.ConsumeRandomLengthString(12);
    const std::string length = input.ConsumeRandomLengthString(12);
    ReadConditionEntries(conditions, depth, width, length);

    std::optional<DoseCalculation> state;
    try {
        state.emplace(ComputeDoseGrid(bundledBeam(), conditions));
    } catch (const CalculationFailure&) {
        return 0;  // the designed failure of the calculation: nothing to draw
    }
    checkGrid(*state);

    FiniteSurface surface;
    try {
        DrawChart(*state, mesh, surface);
    } catch (const CalculationFailure&) {
        // The screen chart's designed failure (a level at the matrix's edge):
        // the printed page below must draw all the same.
    }
    try {
        DrawPrintedChart(*state, surface);
    } catch (const CalculationFailure& failure) {
        std::fprintf(stderr, "the printed page failed: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
