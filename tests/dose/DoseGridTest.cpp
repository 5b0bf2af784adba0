#include "dose/DoseGrid.h"

#include "dose/CalculationFailure.h"
#include "dose/PointDoseModel.h"
#include "state/WedgeOptions.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace corvane {
namespace {

// A state as the start button leaves it, with the conditions of the entries.
std::unique_ptr<CalculationState> stateFor(const char* depth, const char* width, const char* length,
                                           int setup = 1, int wedgeKind = 1) {
    auto state = std::make_unique<CalculationState>();
    state->Beam = test::BundledBeamData();
    state->Conditions.Setup = setup;
    SelectWedge(*state, wedgeKind);
    ReadConditionEntries(*state, depth, width, length);
    return state;
}

bool computes(CalculationState& state) {
    try {
        ComputeDoseGrid(state);
        return true;
    } catch (const CalculationFailure&) {
        return false;
    }
}

TEST(DoseGrid, HalfWidthStepsFollowTheFieldWidth) {
    for (auto [width, steps] : {std::pair{"10", 86}, {"4", 35}, {"30", 250}, {"0.55", 5}}) {
        auto state = stateFor("5", width, "10");
        ASSERT_TRUE(computes(*state)) << width;
        EXPECT_EQ(state->Chart.HalfWidthSteps, steps) << width;
        EXPECT_EQ(state->Chart.DepthSteps, 250);
    }
}

TEST(DoseGrid, DefaultConditionsAreSymmetricAndNormalisedAtTheTarget) {
    auto state = stateFor("5.0", "10.0", "10.0");
    ASSERT_TRUE(computes(*state));
    const auto& grid = state->DoseGrid;
    EXPECT_EQ(grid(250, 50), 1.0);
    for (int J = 0; J <= 300; ++J)
        for (int i = 0; i <= 250; ++i) {
            ASSERT_EQ(grid(250 - i, J), grid(250 + i, J)) << i << "," << J;
            if (i > 86 || J > 250) ASSERT_EQ(grid(250 + i, J), 0.0) << i << "," << J;
            else ASSERT_GT(grid(250 + i, J), 0.0) << i << "," << J;
        }
    // The build-up: less dose at the surface than at the target, and beyond
    // the field edge only scatter.
    EXPECT_LT(grid(250, 0), 0.8);
    EXPECT_LT(grid(250 + 80, 50), 0.1);
}

TEST(DoseGrid, NarrowFieldLeavesZeroBeyondItsSteps) {
    auto state = stateFor("5", "4", "4");
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->Chart.HalfWidthSteps, 35);
    EXPECT_GT(state->DoseGrid(250 - 35, 100), 0.0);
    EXPECT_EQ(state->DoseGrid(250 - 36, 100), 0.0);
    EXPECT_EQ(state->DoseGrid(250 + 36, 100), 0.0);
    EXPECT_EQ(state->DoseGrid(250, 251), 0.0);
}

TEST(DoseGrid, WedgeLowersTheDoseTowardsLargerColumns) {
    for (int wedge : {2, 3, 4}) {
        auto state = stateFor("5.0", "10.0", "10.0", 1, wedge);
        ASSERT_TRUE(computes(*state));
        EXPECT_EQ(state->DoseGrid(250, 50), 1.0);
        for (int i = 1; i <= 86; ++i)
            ASSERT_GT(state->DoseGrid(250 - i, 50), state->DoseGrid(250 + i, 50)) << wedge << " " << i;
    }
}

TEST(DoseGrid, WedgeMatchesTheLiteralFactorWithinRounding) {
    // The grid carries the wedge's exponential along each row; every cell
    // must still agree with the literal formula to well within 1e-12.
    for (int setup : {1, 2})
        for (int wedge : {2, 4}) {
            auto wedged = stateFor("8", "30", "30", setup, wedge);
            auto open = stateFor("8", "30", "30", setup, 1);
            open->WedgeSlope = wedged->WedgeSlope;
            ASSERT_TRUE(computes(*wedged));
            ASSERT_TRUE(computes(*open));
            const double ssd = setup == 1 ? 100 : 92;
            const DoseModelInputs in{wedged->Beam, ssd, 30, 30, AreaPerimeterRatio(30, 30), wedge,
                                     wedged->WedgeSlope};
            // Both grids are normalised at the target, so the wedged one is the
            // open one times the wedge factor relative to the target's.
            const double wedgeAtTarget = WedgeFactor(in, 250, 0.1 * 80);
            double worst = 0;
            for (int J = 0; J <= 250; J += 7)
                for (int I = 0; I <= 500; ++I) {
                    const double expected = open->DoseGrid(I, J) * WedgeFactor(in, I, 0.1 * J) / wedgeAtTarget;
                    worst = std::max(worst, std::abs(wedged->DoseGrid(I, J) - expected) / expected);
                }
            EXPECT_LT(worst, 1e-12) << "setup " << setup << " wedge " << wedge;
        }
}

TEST(DoseGrid, DepthLimitsOfTheReferenceRow) {
    auto at25 = stateFor("25.0", "10", "10");
    EXPECT_TRUE(computes(*at25));
    EXPECT_EQ(at25->DoseGrid(250, 250), 1.0);
    auto at251 = stateFor("25.1", "10", "10");
    EXPECT_FALSE(computes(*at251));
    auto at505 = stateFor("5.05", "10", "10");
    ASSERT_TRUE(computes(*at505));
    EXPECT_EQ(at505->DoseGrid(250, 50), 1.0);
    auto negative = stateFor("-0.5", "10", "10");
    EXPECT_FALSE(computes(*negative));
    auto beyond = stateFor("30.1", "10", "10");
    EXPECT_FALSE(computes(*beyond));
    auto huge = stateFor("1e999", "10", "10");
    EXPECT_FALSE(computes(*huge));
}

TEST(DoseGrid, StdSetupWithADeepTargetFails) {
    EXPECT_TRUE(computes(*stateFor("13", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("14", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("20", "10", "10", 2)));
    EXPECT_FALSE(computes(*stateFor("1e999", "10", "10", 2)));
}

TEST(DoseGrid, VeryNarrowFieldsFailAtTheOcrTable) {
    EXPECT_FALSE(computes(*stateFor("5", "0.5", "10")));
    EXPECT_TRUE(computes(*stateFor("5", "0.55", "10")));
    EXPECT_FALSE(computes(*stateFor("5", "0.6", "10")));
}

TEST(DoseGrid, EmptyEntries) {
    EXPECT_FALSE(computes(*stateFor("5", "", "10")));  // zero divisor at the first point
    auto noLength = stateFor("5", "10", "");
    ASSERT_TRUE(computes(*noLength));  // equivalent square 0, TMR extrapolated
    EXPECT_EQ(noLength->DoseGrid(250, 50), 1.0);
    auto noDepth = stateFor("", "10", "10");
    ASSERT_TRUE(computes(*noDepth));
    EXPECT_EQ(noDepth->DoseGrid(250, 0), 1.0);
}

TEST(DoseGrid, FailureBeforeClearingKeepsThePreviousGrid) {
    auto state = stateFor("5", "10", "10");
    ASSERT_TRUE(computes(*state));
    const DoseMatrix previous = state->DoseGrid;
    state->Curves.CurveStartX[0][3] = 42;

    for (const char* bad : {"0", "-1", "-0.5"}) {
        ReadConditionEntries(*state, "5", bad, bad);
        EXPECT_FALSE(computes(*state)) << bad;
        EXPECT_TRUE(state->DoseGrid == previous) << bad;
        EXPECT_EQ(state->Curves.CurveStartX[0][3], 42) << bad;
    }
    // A single negative size fails before anything is cleared, too.
    ReadConditionEntries(*state, "5", "10", "-3");
    EXPECT_FALSE(computes(*state));
    EXPECT_TRUE(state->DoseGrid == previous);

    // -0 counts as 0: not negative, so the width of 0 fails later, at the
    // first point, after the clearing.
    ReadConditionEntries(*state, "5", "-0", "10");
    EXPECT_FALSE(computes(*state));
    EXPECT_EQ(state->DoseGrid(250, 50), 0.0);
}

TEST(DoseGrid, FailureAfterClearingLeavesWhatWasComputed) {
    auto state = stateFor("5", "30", "30");
    ASSERT_TRUE(computes(*state));
    state->Curves.CurveStartX[1][7] = 99;
    // The STD set-up with a deep target fails in the first rows of the half plane.
    state->Conditions.Setup = 2;
    ReadConditionEntries(*state, "20", "10", "10");
    EXPECT_FALSE(computes(*state));
    EXPECT_EQ(state->Curves.CurveStartX[1][7], -1);
    EXPECT_EQ(state->DoseGrid(250 + 100, 100), 0.0);  // cleared, never refilled
    EXPECT_EQ(state->Conditions.Depth, 20.0);          // the new entries stay
}

TEST(DoseGrid, RecomputingGivesTheSameGrid) {
    auto state = stateFor("7.3", "12", "8", 1, 3);
    ASSERT_TRUE(computes(*state));
    const DoseMatrix first = state->DoseGrid;
    state->MeshMode = 1;
    ASSERT_TRUE(computes(*state));
    EXPECT_TRUE(state->DoseGrid == first);
}

TEST(DoseGrid, HugeTableValuesFailOnlyWhereTheFormulaOverflows) {
    // Steps of 0.5e308 between OCR rows: the formula stays finite, while a
    // slope per 0.1 of x would not.
    auto state = stateFor("5", "10", "10");
    for (int m = 1; m <= 21; ++m)
        for (int k = 1; k <= 3; ++k) state->Beam.OcrTable[m][k] = m % 2 ? 1e308 : 1.5e308;
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->DoseGrid(250, 50), 1.0);
    EXPECT_TRUE(std::isfinite(state->DoseGrid(250 + 40, 20)));
    // Steps of 2e308 overflow in the formula itself.
    for (int m = 1; m <= 21; ++m)
        for (int k = 1; k <= 3; ++k) state->Beam.OcrTable[m][k] = m % 2 ? -1e308 : 1e308;
    EXPECT_FALSE(computes(*state));
}

TEST(DoseGrid, WideFieldsAreComputedAcrossTheWholeChart) {
    auto state = stateFor("5", "30", "30", 1, 4);
    ASSERT_TRUE(computes(*state));
    EXPECT_EQ(state->Chart.HalfWidthSteps, 250);
    EXPECT_GT(state->DoseGrid(0, 0), 0.0);
    EXPECT_GT(state->DoseGrid(500, 250), 0.0);
    auto huge = stateFor("5", "40", "40");
    EXPECT_TRUE(computes(*huge));
}

} // namespace
} // namespace corvane
