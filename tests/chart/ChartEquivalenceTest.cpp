// The tracing shares one sweep per row among the 20 levels; the literal tracing
// scans cell by cell for each level. Both must give the same operations, the same
// tables and the same failures, on computed grids and on odd random ones.
#include "chart/ChartTestSupport.h"
#include "chart/ReferenceChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace corvane {
namespace {

using test::BlankResult;

// Where a drawing fails, only its operations are compared: the tracer's
// tables go with it.
void ExpectSameScreenChart(const DoseCalculation& given, ChartMesh mesh, const std::string& what) {
    CurveTables slow;
    const auto a = test::Draw(given, mesh);
    const auto b = test::Record([&](DrawingSurface& s) { test::ReferenceDrawChart(given, mesh, slow, s); });
    EXPECT_EQ(a.failed, b.failed) << what;
    ASSERT_EQ(a.text, b.text) << what;
    if (a.failed) return;
    const CurveTables& fast = a.curves;
    EXPECT_EQ(fast.CurveStartX, slow.CurveStartX) << what;
    EXPECT_EQ(fast.CurveStartY, slow.CurveStartY) << what;
    EXPECT_EQ(fast.CurveEndX, slow.CurveEndX) << what;
    EXPECT_EQ(fast.CurveEndY, slow.CurveEndY) << what;
}

void ExpectSamePrintedChart(const DoseCalculation& given, const std::string& what) {
    PrintTables tb;
    const auto a = test::DrawPrinted(given);
    const auto b = test::Record([&](DrawingSurface& s) { test::ReferenceDrawPrintedChart(given, tb, s); });
    const PrintTables& ta = a.printed;
    EXPECT_FALSE(a.failed) << what;
    EXPECT_FALSE(b.failed) << what;
    ASSERT_EQ(a.text, b.text) << what;
    EXPECT_EQ(ta.PrintStartX, tb.PrintStartX) << what;
    EXPECT_EQ(ta.PrintStartY, tb.PrintStartY) << what;
    EXPECT_EQ(ta.PrintEndX, tb.PrintEndX) << what;
    EXPECT_EQ(ta.PrintEndY, tb.PrintEndY) << what;
}

TEST(ChartEquivalence, ComputedGridsDrawAsTheCellByCellReference) {
    struct Case {
        int setup;
        const char* depth;
        const char* width;
        const char* length;
        int wedge;
        int mesh;
    };
    const Case cases[] = {
        {1, "5.0", "10.0", "10.0", 1, 0}, {1, "5.0", "10.0", "10.0", 1, 1}, {1, "5.0", "10.0", "10.0", 4, 0},
        {1, "5.0", "10.0", "15", 3, 0},   {2, "10", "10", "10", 2, 1},      {2, "13.9", "10", "10", 1, 0},
        {1, "0", "10", "10", 1, 0},       {1, "24.9", "10", "10", 1, 0},    {1, "25.0", "10", "10", 4, 0},
        {1, "5.0", "4", "4", 1, 0},       {1, "5.0", "0.55", "10", 1, 0},   {1, "1.5", "20", "5", 3, 0},
        {1, "5.0", "30", "30", 1, 0},     {1, "5.0", "30", "30", 4, 0},     {1, "5.0", "37", "37", 1, 0},
        {1, "5.0", "37.1", "37.1", 1, 0}, {1, "5.0", "40", "40", 1, 0},     {2, "5", "35", "35", 4, 1},
    };
    for (const Case& c : cases) {
        auto state = test::ComputedResult(c.setup, c.depth, c.width, c.length, c.wedge);
        const std::string what = std::string("setup ") + std::to_string(c.setup) + " depth " + c.depth + " " +
                                 c.width + " x " + c.length + " wedge " + std::to_string(c.wedge);
        ExpectSameScreenChart(*state, static_cast<ChartMesh>(c.mesh), what);
        ExpectSamePrintedChart(*state, what);
    }
}

// Random grids made to hit the edges of the rules: plateaus (equal
// neighbours), cells exactly on a level (0.1 x k and k / 10), values reaching
// the columns 0, 1, 149, 150, 350, 351, 499 and 500, holes, and bumps that
// rise and fall more than once in a row.
void FillRandom(DoseCalculation& state, std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> pick(0, 9);
    const double peak = 0.3 + 2.0 * unit(random);
    const double centre = 150 + 200 * unit(random);
    const double halfWidth = 20 + 260 * unit(random);
    const double top = 40 * unit(random);
    const double fall = 0.002 + 0.01 * unit(random);
    const double wedge = (unit(random) - 0.5) * 0.004;
    const int quantise = pick(random);
    for (int J = 0; J <= 250; ++J) {
        for (int I = 0; I <= 500; ++I) {
            const double u = std::abs(I - centre) / halfWidth;
            double d = J < top ? 0
                               : peak * std::exp(-fall * (J - top)) * std::exp(-std::pow(u, 6)) *
                                     (1 + wedge * (I - 250));
            if (quantise == 1) d = std::round(d * 10) / 10;   // k / 10: plateaus on the levels
            if (quantise == 2) d = 0.1 * std::round(d * 10);  // 0.1 x k
            if (quantise == 3) d = std::round(d * 20) / 20;   // halfway plateaus
            if (quantise == 4 && (I + J) % 37 == 0) d = 0;    // holes
            if (quantise == 5 && I % 50 == 25) d *= 1.5;      // ripples
            state.DoseGrid(I, J) = d;
        }
    }
}

TEST(ChartEquivalence, RandomGridsDrawAsTheCellByCellReference) {
    std::mt19937_64 random(20240501);
    int failures = 0;
    for (int n = 0; n < 60; ++n) {
        auto state = BlankResult();
        FillRandom(*state, random);
        ExpectSameScreenChart(*state, static_cast<ChartMesh>(n % 2), "random grid " + std::to_string(n));
        ExpectSamePrintedChart(*state, "random grid " + std::to_string(n));
        if (test::Draw(*state).failed) ++failures;
    }
    // The set covers both outcomes of the screen chart.
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, 60);
}

TEST(ChartEquivalence, HandMadeEdgeGridsDrawAsTheReference) {
    // Single cells at the columns where the searches turn.
    for (int column : {0, 1, 2, 148, 149, 150, 151, 249, 250, 251, 349, 350, 351, 352, 498, 499, 500}) {
        for (int row : {0, 1, 10, 249, 250}) {
            auto state = BlankResult();
            state->DoseGrid(column, row) = 1.0;
            state->DoseGrid(column, std::min(row + 1, 300)) = 0.55;
            const std::string what = "cell " + std::to_string(column) + ", " + std::to_string(row);
            ExpectSameScreenChart(*state, ChartMesh::FiveCm, what);
            ExpectSamePrintedChart(*state, what);
        }
    }
    // A block that touches both window edges and the matrix edges in turn.
    for (int left : {0, 1, 149, 150, 151}) {
        for (int right : {349, 350, 351, 499, 500}) {
            auto state = BlankResult();
            test::FillBlock(*state, left, right, 5, 200, 0.75);
            test::FillBlock(*state, left + 10, right - 10, 30, 150, 1.35);
            const std::string what = "block " + std::to_string(left) + ".." + std::to_string(right);
            ExpectSameScreenChart(*state, ChartMesh::FiveCm, what);
            ExpectSamePrintedChart(*state, what);
        }
    }
}

}  // namespace
}  // namespace corvane
