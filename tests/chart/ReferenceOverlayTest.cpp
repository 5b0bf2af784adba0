// The chart with a held reference beneath it, composed of DrawChart's steps:
// leaving the reference's operations out gives DrawChart's exactly, and the
// reference's curves are the chart's own tracing of its grid, grey and dashed.
#include "chart/ReferenceOverlay.h"

#include "chart/ChartTestSupport.h"
#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::ComputedResult;
using test::Find;
using test::Record;

bool SameTables(const CurveTables& a, const CurveTables& b) {
    return a.CurveStartX == b.CurveStartX && a.CurveStartY == b.CurveStartY && a.CurveEndX == b.CurveEndX &&
           a.CurveEndY == b.CurveEndY;
}

// The curve operations of DrawChartCurves for `state`, without the level
// labels and with every colour made the reference's grey.
std::vector<std::string> CurvesInGrey(const DoseCalculation& state) {
    const test::Drawing curves = Record([&](DrawingSurface& surface) { DrawChartCurves(state, surface); });
    std::vector<std::string> grey;
    for (const std::string& line : curves.lines) {
        const bool label = line.rfind("ForeColor", 0) == 0 || line.rfind("Print", 0) == 0 ||
                           (line.rfind("PSet 520 ", 0) == 0 && line.ends_with(" 15"));
        if (!label) grey.push_back(line.substr(0, line.find_last_of(' ')) + " 8");
    }
    return grey;
}

TEST(ReferenceOverlay, ComposesTheDesignedChartWithTheReferenceBeneathIt) {
    struct Pair {
        const char* name;
        int setup;
        const char *depth, *width, *length;
        int wedge;
        int referenceSetup;
        const char *referenceDepth, *referenceWidth, *referenceLength;
        int referenceWedge;
    };
    const Pair pairs[] = {
        {"STD wedge over SSD open field", 2, "8", "12", "10", 3, 1, "5.0", "10.0", "10.0", 1},
        {"a grid over itself", 1, "5.0", "10.0", "10.0", 1, 1, "5.0", "10.0", "10.0", 1},
        {"wide field over a small one", 1, "10", "20", "20", 4, 2, "12", "6", "6", 2},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.name);
        auto designedState = ComputedResult(p.setup, p.depth, p.width, p.length, p.wedge);
        const test::Drawing designed = test::Draw(*designedState);
        ASSERT_FALSE(designed.failed);

        auto state = ComputedResult(p.setup, p.depth, p.width, p.length, p.wedge);
        auto reference = ComputedResult(p.referenceSetup, p.referenceDepth, p.referenceWidth,
                                        p.referenceLength, p.referenceWedge);
        const std::vector<std::string> caption =
            ReferenceCaptionLines(reference->Conditions, "Reference (grey, dashed)", "Depth");
        CurveTables currentTables;
        const test::Drawing composed = Record([&](DrawingSurface& surface) {
            currentTables = DrawChartWithReference(*state, *reference, caption, ChartMesh::FiveCm, surface);
        });
        ASSERT_FALSE(composed.failed);
        const std::vector<std::string>& lines = composed.lines;

        // After the framework: the reference curves between the two style changes.
        const long dashed = Find(lines, "DrawStyle 1");
        const long solid = Find(lines, "DrawStyle 0");
        ASSERT_GT(dashed, 0);
        ASSERT_GT(solid, dashed);
        EXPECT_EQ(Find(lines, "DrawStyle 1", dashed + 1), -1);
        const std::vector<std::string> framework(lines.begin(), lines.begin() + dashed);
        const std::vector<std::string> referenceCurves(lines.begin() + dashed + 1, lines.begin() + solid);
        EXPECT_EQ(referenceCurves, CurvesInGrey(*reference));
        EXPECT_GT(referenceCurves.size(), 100u);

        // Then the designed chart's own curves, symbols and captions.
        const auto rest = lines.begin() + solid + 1;
        const std::size_t designedRest = designed.lines.size() - framework.size();
        ASSERT_GE(static_cast<std::size_t>(lines.end() - rest), designedRest);
        std::vector<std::string> withoutReference = framework;
        withoutReference.insert(withoutReference.end(), rest, rest + static_cast<long>(designedRest));
        EXPECT_EQ(withoutReference, designed.lines);

        // Last the caption, grey, in the free margin, then black again.
        std::vector<std::string> expectedCaption{"ForeColor 8"};
        for (std::size_t i = 0; i < caption.size(); ++i) {
            expectedCaption.push_back("Move 360 " + test::N(-149.0 + 14.0 * static_cast<double>(i)));
            expectedCaption.push_back("Print " + caption[i]);
        }
        expectedCaption.push_back("ForeColor 0");
        EXPECT_EQ(std::vector<std::string>(rest + static_cast<long>(designedRest), lines.end()),
                  expectedCaption);

        // The current chart's tables are those DrawChart leaves; the
        // reference is traced by a tracer of its own.
        EXPECT_TRUE(SameTables(currentTables, designed.curves));
        CountingSurface elsewhere;
        EXPECT_TRUE(SameTables(DrawReferenceCurves(*reference, elsewhere), test::Draw(*reference).curves));
    }
}

TEST(ReferenceOverlay, TheCaptionNamesTheReferenceInTheChartsWords) {
    auto reference = ComputedResult(2, "8", "12", "10", 3);
    EXPECT_EQ(ReferenceCaptionLines(reference->Conditions, "Reference", "Depth"),
              (std::vector<std::string>{"Reference", "STD = 100 cm", "Depth = 8 cm", " 12 x 10 cm",
                                        "Wedge filter : 45 degree"}));
}

}  // namespace
}  // namespace corvane
