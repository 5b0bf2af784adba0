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
#include <string>

namespace {

using namespace corvane;

// A new state with the bundled beam data, loaded once through the real loader.
const CalculationState& freshState() {
    static const CalculationState fresh = [] {
        BeamDataLoadResult result = LoadBeamDataFile(CORVANE_FUZZ_DATA_FILE);
        if (!result.ok()) {
            std::fprintf(stderr, "%s\n", result.error().c_str());
            std::abort();
        }
        CalculationState state;
        state.Beam = *result.data;
        return state;
    }();
    return fresh;
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
__attribute__((no_sanitize("coverage"))) void checkGrid(const CalculationState& state) {
    const double targetRow = std::floor(10 * state.Conditions.Depth);
    FUZZ_CHECK(targetRow >= 0 && targetRow <= 250);
    FUZZ_CHECK(state.DoseGrid(250, static_cast<int>(targetRow)) == 1.0);

    const int halfWidth = state.Chart.HalfWidthSteps;
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
    // Every run starts from the same state; copying it into the one kept
    // between runs is cheaper than allocating the matrices anew.
    static CalculationState state;
    state = freshState();

    // Mostly SSD (1) or STD (2); now and then another value, which also means STD.
    const std::uint8_t setup = input.ConsumeIntegral<std::uint8_t>();
    state.Conditions.Setup = static_cast<BeamSetup>(setup < 120 ? 1 : setup < 240 ? 2 : setup - 240);
    // An earlier wedge choice stays in WedgeSlope when "no wedge" is chosen after it.
    SelectWedge(state, static_cast<WedgeFilter>(input.ConsumeIntegralInRange(1, 4)));
    SelectWedge(state, static_cast<WedgeFilter>(input.ConsumeIntegralInRange(1, 4)));
    state.MeshMode = input.ConsumeBool() ? ChartMesh::OneCm : ChartMesh::FiveCm;
    const std::string depth = input.ConsumeRandomLengthString(12);
    const std::string width = input.ConsumeRandomLengthString(12);
    const std::string length = input.ConsumeRandomLengthString(12);
    ReadConditionEntries(state.Conditions, depth, width, length);

    try {
        ComputeDoseGrid(state);
    } catch (const CalculationFailure&) {
        return 0;
    }
    checkGrid(state);

    FiniteSurface surface;
    try {
        DrawChart(state, surface);
    } catch (const CalculationFailure&) {}
    PrintTables tables;
    try {
        DrawPrintedChart(state, tables, surface);
    } catch (const CalculationFailure& failure) {
        std::fprintf(stderr, "the printed page failed: %s\n", failure.what());
        std::abort();
    }
    return 0;
}
