// The core shares nothing between calls: twelve conditions computed and
// drawn on four threads at once give, byte for byte, what one thread gives
// drawing them one after the other, and so does a result shared by all the
// threads as a reference. Run under ThreadSanitizer as well (docs/architecture.md).
#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "chart/ReferenceOverlay.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace corvane {
namespace {

struct Case {
    int setup, wedge;
    const char *depth, *width, *length;
};
// Both set-ups, every wedge, narrow and wide fields, and two that fail: one
// in the calculation, one in the screen chart's tracing.
const Case Cases[] = {
    {1, 1, "5.0", "10.0", "10.0"}, {2, 1, "5.0", "10.0", "10.0"}, {1, 2, "10", "10", "10"},
    {1, 3, "10", "10", "10"},      {1, 4, "10", "10", "10"},      {2, 2, "8.5", "12", "7.5"},
    {2, 3, "12", "6", "20"},       {2, 4, "3", "4", "4"},         {1, 1, "5", "1", "1"},
    {1, 1, "5", "37", "37"},       {1, 1, "5", "40", "40"},       {1, 1, "5", "0", "10"},
};

// Everything the core makes of one case: the screen chart at both meshes,
// the printed page, and the chart over a reference that all threads share.
std::string Transcript(const Case& c, const DoseCalculation& sharedReference) {
    std::string text;
    RecordingSurface surface;
    try {
        const auto result = ComputeSharedDoseGrid(
            test::BundledBeamData(), test::ConditionsWithEntries(c.setup, c.wedge, c.depth, c.width, c.length));
        DrawPrintedChart(*result, surface);
        DrawChartWithReference(*result, sharedReference, {"Reference"}, ChartMesh::OneCm, surface);
        DrawChart(*result, ChartMesh::FiveCm, surface);
    } catch (const CalculationFailure& failure) {
        text = std::string("failed: ") + failure.what() + "\n";
    }
    return surface.text() + text;
}

TEST(Concurrency, FourThreadsDrawWhatOneThreadDraws) {
    const auto reference = ComputeSharedDoseGrid(test::BundledBeamData(),
                                                 test::ConditionsWithEntries(2, 3, "8", "12", "10"));
    constexpr std::size_t Count = std::size(Cases);
    std::vector<std::string> serial(Count);
    for (std::size_t n = 0; n < Count; ++n) serial[n] = Transcript(Cases[n], *reference);

    std::vector<std::string> parallel(Count);
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (std::size_t n = next++; n < Count; n = next++) parallel[n] = Transcript(Cases[n], *reference);
        });
    for (std::thread& thread : threads) thread.join();

    for (std::size_t n = 0; n < Count; ++n) {
        EXPECT_EQ(parallel[n], serial[n]) << "case " << n;
        if (n < 10) {
            EXPECT_EQ(serial[n].find("failed: "), std::string::npos) << "case " << n;
        }
    }
    // The 40 cm field prints, then fails on screen; a width of 0 draws nothing.
    EXPECT_NE(serial[10].find("EndDoc\n"), std::string::npos);
    EXPECT_NE(serial[10].find("failed: chart drawing"), std::string::npos);
    EXPECT_EQ(serial[11].rfind("failed: ", 0), 0u);
}

}  // namespace
}  // namespace corvane
