// A commissioning physicist's look at a beam data file that loaded: the
// figures that characterise the beam, and the values whose physics is
// implausible, each with the line of the file it stands on.
//
// Everything here is data; the wording is one table of English sentences
// with numbered places (%1, %2, ...), given as Messages (state/Message.h):
// the headless tool writes them in English, a window through Qt's
// translation (context "BeamDataCheckMessages").
#pragma once

#include "state/BeamData.h"
#include "state/BeamDataLoader.h"
#include "state/Message.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// The limits of the check. A table written to four decimals wobbles by a few
// units of its last digit where a curve is flat, so the monotony checks
// allow that much before they call a value implausible.
inline constexpr double TmrUpperLimit = 1.05;      // a TMR is 1 at the depth of maximum
inline constexpr double TmrFallsBeyondCm = 5.0;    // past the build-up of a 6 MV beam
inline constexpr double TmrNoise = 0.002;          // rise with depth or fall with field size allowed
inline constexpr double AxisOcrTolerance = 0.01;   // 1 % from 1 on the axis
inline constexpr double OcrNoise = 0.001;          // rise outside the field allowed
inline constexpr double TprLowest = 0.64;          // TPR20,10 of 6 MV beams
inline constexpr double TprHighest = 0.70;

// In the order the check reports them.
enum class BeamDataConcernKind {
    TmrAboveLimit,             // a TMR above TmrUpperLimit
    TmrRisesWithDepth,         // beyond TmrFallsBeyondCm, a TMR above the row before it
    TmrFallsWithFieldSize,     // a TMR below that of the next smaller field at the same depth
    AxisOcrNotOne,             // an OCR on the axis more than 1 % from 1
    OcrRisesOutsideField,      // beyond the field edge (x > 1), an OCR above the row before it
    TprOutside6MvRange,        // TPR20,10 outside TprLowest..TprHighest
    StandardCalculationFails,  // 10 x 10 cm at SSD 100 cm cannot be computed: no PDD
};
inline constexpr int BeamDataConcernKindCount = 7;

// One implausible value. Which members are set depends on the kind; the
// others stay 0.
struct BeamDataConcern {
    BeamDataConcernKind kind = BeamDataConcernKind::TmrAboveLimit;
    int line = 0;          // the file line of the value; TPR: of the TMR row used at 10 cm
    int otherLine = 0;     // the line of the value compared with; TPR: of the row used at 20 cm
    double value = 0;      // the TMR, OCR or TPR20,10 in question
    double other = 0;      // the value it is compared with (row before, smaller field)
    double depthMm = 0;    // TMR: the row's depth, as written
    double otherDepthMm = 0;  // TmrRisesWithDepth: the depth of the row before
    double fieldCm = 0;       // TMR: the column's square field side
    double otherFieldCm = 0;  // TmrFallsWithFieldSize: the smaller field
    double ocrDepthCm = 0;    // OCR: the column's depth, 0, 15 or 30 cm
    double offAxis = 0;       // OcrRisesOutsideField: x of the row (1 = field edge)
    double otherOffAxis = 0;  // and of the row before
};

// The largest TMR of one field column: the depth of maximum dose.
struct DepthOfMaximum {
    double depthMm = 0;  // as written in the file; the shallowest row when several share it
    double tmr = 0;
    int line = 0;
};

// The depth dose on the axis of a 10 x 10 cm field at SSD 100 cm, from the
// dose grid that the chart is drawn from: 100 x DoseGrid(250, J) /
// DoseGrid(250, Jmax), Jmax the shallowest row of the largest cell in 0..250.
struct AxisDepthDose {
    int maximumMm = 0;       // Jmax
    double percentAt10 = 0;  // J = 100
    double percentAt20 = 0;  // J = 200
};

struct BeamDataSummary {
    std::array<DepthOfMaximum, BeamData::FieldColumns + 1> maximum{};  // [j], j = 1..10
    // TPR20,10 = TmrAt(20 cm, 10 cm) / TmrAt(10 cm, 10 cm), interpolated as
    // the model interpolates; empty when it is not a finite number.
    std::optional<double> tpr2010;
    double tmrAt10 = 0;
    double tmrAt20 = 0;
    int lineAt10 = 0;  // the first TMR row at or below 10 cm
    int lineAt20 = 0;
    std::optional<AxisDepthDose> pdd;  // empty when the calculation fails
    std::array<double, BeamData::OcrColumns + 1> axisOcr{};  // OcrTable[1][k], k = 1..3
    int axisOcrLine = 0;
};

struct BeamDataCheck {
    BeamDataSummary summary;
    std::vector<BeamDataConcern> concerns;  // grouped by kind in kind order, each kind in file order
};

// The whole check: the summary (which computes one dose grid) and every
// concern. `source` is the load result's, for the lines and written depths.
BeamDataCheck CheckBeamData(const BeamData& beam, const BeamDataSource& source);

// The concerns the tables alone show, without the dose grid: every kind but
// StandardCalculationFails. Cheap enough to run on every file a fuzzer makes.
std::vector<BeamDataConcern> FindTableConcerns(const BeamData& beam, const BeamDataSource& source);

// What to show of a long list: the first `perKind` concerns of each kind, and
// for each kind that had more, how many were left out.
struct ShownConcerns {
    std::vector<BeamDataConcern> shown;
    std::vector<std::pair<BeamDataConcernKind, std::size_t>> leftOut;  // in kind order
};
inline constexpr std::size_t ConcernsShownPerKind = 3;
ShownConcerns SelectShownConcerns(const std::vector<BeamDataConcern>& concerns,
                                  std::size_t perKind = ConcernsShownPerKind);

// A concern, and the concerns of a kind left out ("and %1 more ..."), as
// messages: one table of English sentences in the context
// "BeamDataCheckMessages", whose places are filled with the numbers in the
// C locale: lines as whole numbers, table values and depths in their
// shortest exact form, TPR20,10 to four decimals.
Message ConcernMessage(const BeamDataConcern& concern);
Message LeftOutMessage(BeamDataConcernKind kind, std::size_t count);

// The messages that report `concerns`, kind by kind: the concerns shown
// (SelectShownConcerns), each kind followed by its count of those left out.
std::vector<Message> ShownConcernMessages(const std::vector<BeamDataConcern>& concerns,
                                          std::size_t perKind = ConcernsShownPerKind);

}  // namespace corvane
