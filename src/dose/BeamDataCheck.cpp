#include "dose/BeamDataCheck.h"

#include "dose/BeamQuality.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "dose/PointDoseModel.h"
#include "dose/ProfileFigures.h"
#include "state/CLocaleNumber.h"
#include "state/Message.h"
#include "state/MessageText.h"

#include <cmath>
#include <memory>

namespace corvane {

namespace {

using Kind = BeamDataConcernKind;

// The one wording of the check: a sentence per kind, and one for the
// concerns of that kind that are left out. The reason after the ";" says
// why the value is implausible, for a student as much as for a physicist.
struct Wording {
    const char* sentence;
    const char* leftOut;
};
constexpr Wording Sentences[BeamDataConcernKindCount] = {
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "line %1: the TMR %2 of the %3 cm field at %4 mm is above 1.05; a TMR is 1 at the "
                       "depth of maximum dose and cannot lie much above it."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more TMRs above 1.05.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "line %1: the TMR of the %2 cm field rises from %3 at %4 mm to %5 at %6 mm; beyond "
                       "5 cm depth the beam is attenuated and the TMR falls."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more TMRs that rise with depth beyond 5 cm.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "line %1: at %2 mm the TMR falls from %3 for the %4 cm field to %5 for the %6 cm "
                       "field; a larger field adds scatter, so its TMR is not lower."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more TMRs that fall with field size.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "line %1: the OCR on the axis at %2 cm depth is %3, more than 1 % from 1; the "
                       "profiles are relative to the axis, where the OCR is 1."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more OCRs on the axis more than 1 % from 1.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "line %1: the OCR at %2 cm depth rises beyond the field edge, from %3 at x = %4 to "
                       "%5 at x = %6; outside the field the dose falls with the distance from the edge."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more OCRs that rise beyond the field edge.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "lines %1 and %2: TPR20,10 of the 10 x 10 cm field is %3, outside 0.64 to 0.70, the "
                       "range of 6 MV beams; the wedge model assumes a 6 MV beam (lead wedges, 0.5927 per "
                       "cm)."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more TPR20,10 values outside 0.64 to 0.70.")},
    {CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages",
                       "the dose of a 10 x 10 cm field at SSD 100 cm cannot be calculated from these "
                       "tables, so there is no PDD(10) and PDD(20); the windows fail for that field too."),
     CORVANE_TRANSLATE_NOOP("BeamDataCheckMessages", "and %1 more failed calculations.")},
};

const Wording& WordingOf(Kind kind) { return Sentences[static_cast<int>(kind)]; }

std::string Whole(int value) { return std::to_string(value); }

// The first TMR row at or below depth d: the row the model's search for d
// stops at (with the one before it when it interpolates).
int RowAtOrBelow(const BeamData& beam, double d) {
    for (int i = 1; i <= BeamData::DepthRows; ++i)
        if (beam.DepthTable[i] >= d) return i;
    return BeamData::DepthRows;
}

// TPR20,10 and its two TMRs, as the model interpolates them for a 10 cm square.
struct Tpr {
    std::optional<double> ratio;
    double tmrAt10 = 0;
    double tmrAt20 = 0;
    int lineAt10 = 0;
    int lineAt20 = 0;
};

// The TMR column of the 10 cm square field.
constexpr int TenCmColumn = 4;

Tpr TprOf(const BeamData& beam, const BeamDataSource& source) {
    const BeamQuality quality = BeamQualityOf(beam);
    Tpr tpr;
    tpr.lineAt10 = source.tmrLines[RowAtOrBelow(beam, 0.1 * 100)][TenCmColumn];
    tpr.lineAt20 = source.tmrLines[RowAtOrBelow(beam, 0.1 * 200)][TenCmColumn];
    tpr.tmrAt10 = quality.tmrAt10;
    tpr.tmrAt20 = quality.tmrAt20;
    tpr.ratio = quality.tpr2010;
    return tpr;
}

// The axis depth dose of the conditions a calculation starts with (SSD set-up,
// target at 5 cm, 10 x 10 cm, no wedge), from the dose grid itself.
std::optional<AxisDepthDose> StandardDepthDose(const BeamData& beam) {
    const IrradiationConditions conditions{BeamSetup::Ssd, 5.0, 10.0, 10.0, PhantomThicknessCm, WedgeFilter::None};
    std::optional<DoseCalculation> result;
    try {
        result.emplace(ComputeDoseGrid(beam, conditions));
    } catch (const CalculationFailure&) {
        return std::nullopt;  // reported as StandardCalculationFails
    }
    const DepthDoseFigures figures = DepthDoseFiguresOf(ProfileGridOf(*result), AxisColumn);
    if (!figures.depthOfMaximumMm) return std::nullopt;
    const auto& grid = result->DoseGrid;
    const double maximum = grid(AxisColumn, *figures.depthOfMaximumMm);
    AxisDepthDose dose{*figures.depthOfMaximumMm, 100 * grid(AxisColumn, 100) / maximum,
                       100 * grid(AxisColumn, 200) / maximum};
    if (!std::isfinite(dose.percentAt10) || !std::isfinite(dose.percentAt20)) return std::nullopt;
    return dose;
}

BeamDataSummary Summarize(const BeamData& beam, const BeamDataSource& source, const Tpr& tpr) {
    BeamDataSummary summary;
    for (int j = 1; j <= BeamData::FieldColumns; ++j) {
        int best = 1;
        for (int i = 2; i <= BeamData::DepthRows; ++i)
            if (beam.TmrTable[i][j] > beam.TmrTable[best][j]) best = i;
        summary.maximum[j] = {source.depthMm[best], beam.TmrTable[best][j], source.tmrLines[best][j]};
    }
    summary.tpr2010 = tpr.ratio;
    summary.tmrAt10 = tpr.tmrAt10;
    summary.tmrAt20 = tpr.tmrAt20;
    summary.lineAt10 = tpr.lineAt10;
    summary.lineAt20 = tpr.lineAt20;
    summary.pdd = StandardDepthDose(beam);
    summary.axisOcr = beam.OcrTable[1];
    summary.axisOcrLine = source.ocrLines[1][0];
    return summary;
}

std::vector<BeamDataConcern> TableConcerns(const BeamData& beam, const BeamDataSource& source,
                                           const Tpr& tpr) {
    std::vector<BeamDataConcern> found;
    const auto& tmr = beam.TmrTable;
    const auto& ocr = beam.OcrTable;
    auto tmrConcern = [&](Kind kind, int i, int j) {
        BeamDataConcern c;
        c.kind = kind;
        c.line = source.tmrLines[i][j];
        c.value = tmr[i][j];
        c.depthMm = source.depthMm[i];
        c.fieldCm = beam.FieldSizeTable[j];
        return c;
    };

    for (int i = 1; i <= BeamData::DepthRows; ++i)
        for (int j = 1; j <= BeamData::FieldColumns; ++j)
            if (tmr[i][j] > TmrUpperLimit) found.push_back(tmrConcern(Kind::TmrAboveLimit, i, j));

    for (int i = 2; i <= BeamData::DepthRows; ++i) {
        if (!(beam.DepthTable[i] > TmrFallsBeyondCm)) continue;
        for (int j = 1; j <= BeamData::FieldColumns; ++j) {
            if (!(tmr[i][j] - tmr[i - 1][j] > TmrNoise)) continue;
            BeamDataConcern c = tmrConcern(Kind::TmrRisesWithDepth, i, j);
            c.otherLine = source.tmrLines[i - 1][j];
            c.other = tmr[i - 1][j];
            c.otherDepthMm = source.depthMm[i - 1];
            found.push_back(c);
        }
    }

    for (int i = 1; i <= BeamData::DepthRows; ++i) {
        for (int j = 2; j <= BeamData::FieldColumns; ++j) {
            if (!(tmr[i][j - 1] - tmr[i][j] > TmrNoise)) continue;
            BeamDataConcern c = tmrConcern(Kind::TmrFallsWithFieldSize, i, j);
            c.otherLine = source.tmrLines[i][j - 1];
            c.other = tmr[i][j - 1];
            c.otherFieldCm = beam.FieldSizeTable[j - 1];
            found.push_back(c);
        }
    }

    // Compared with the written 0.99 and 1.01, so that exactly 1 % passes.
    for (int k = 1; k <= BeamData::OcrColumns; ++k) {
        if (ocr[1][k] >= 1 - AxisOcrTolerance && ocr[1][k] <= 1 + AxisOcrTolerance) continue;
        BeamDataConcern c;
        c.kind = Kind::AxisOcrNotOne;
        c.line = source.ocrLines[1][k];
        c.value = ocr[1][k];
        c.ocrDepthCm = 15 * (k - 1);
        found.push_back(c);
    }

    // Row i lies at x = 0.1 x (i - 1); rows 12 to 21 lie beyond the edge, x = 1.
    for (int i = 12; i <= BeamData::OcrRows; ++i) {
        for (int k = 1; k <= BeamData::OcrColumns; ++k) {
            if (!(ocr[i][k] - ocr[i - 1][k] > OcrNoise)) continue;
            BeamDataConcern c;
            c.kind = Kind::OcrRisesOutsideField;
            c.line = source.ocrLines[i][k];
            c.otherLine = source.ocrLines[i - 1][k];
            c.value = ocr[i][k];
            c.other = ocr[i - 1][k];
            c.ocrDepthCm = 15 * (k - 1);
            c.offAxis = 0.1 * (i - 1);
            c.otherOffAxis = 0.1 * (i - 2);
            found.push_back(c);
        }
    }

    if (tpr.ratio && (*tpr.ratio < TprLowest || *tpr.ratio > TprHighest)) {
        BeamDataConcern c;
        c.kind = Kind::TprOutside6MvRange;
        c.line = tpr.lineAt10;
        c.otherLine = tpr.lineAt20;
        c.value = *tpr.ratio;
        found.push_back(c);
    }
    return found;
}

}  // namespace

// The bounds 0.99 and 1.01 above are formed in double from these constants;
// they must be the doubles of the written numbers for "exactly 1 %" to pass.
static_assert(1 - AxisOcrTolerance == 0.99 && 1 + AxisOcrTolerance == 1.01);

BeamDataCheck CheckBeamData(const BeamData& beam, const BeamDataSource& source) {
    const Tpr tpr = TprOf(beam, source);
    BeamDataCheck check;
    check.summary = Summarize(beam, source, tpr);
    check.concerns = TableConcerns(beam, source, tpr);
    if (!check.summary.pdd) {
        BeamDataConcern c;
        c.kind = Kind::StandardCalculationFails;
        check.concerns.push_back(c);
    }
    return check;
}

std::vector<BeamDataConcern> FindTableConcerns(const BeamData& beam, const BeamDataSource& source) {
    return TableConcerns(beam, source, TprOf(beam, source));
}

ShownConcerns SelectShownConcerns(const std::vector<BeamDataConcern>& concerns, std::size_t perKind) {
    ShownConcerns result;
    std::size_t count[BeamDataConcernKindCount] = {};
    for (const BeamDataConcern& c : concerns)
        if (++count[static_cast<int>(c.kind)] <= perKind) result.shown.push_back(c);
    for (int k = 0; k < BeamDataConcernKindCount; ++k)
        if (count[k] > perKind) result.leftOut.emplace_back(static_cast<Kind>(k), count[k] - perKind);
    return result;
}

namespace {

// The texts for the places %1, %2, ... of a kind's sentence, in order.
std::vector<std::string> ConcernArguments(const BeamDataConcern& c) {
    const std::string line = Whole(c.line);
    const auto exact = [](double value) { return ShortestDecimal(value); };
    const auto offAxis = [](double x) { return FixedDecimal(x, 1); };
    switch (c.kind) {
    case Kind::TmrAboveLimit: return {line, exact(c.value), exact(c.fieldCm), exact(c.depthMm)};
    case Kind::TmrRisesWithDepth:
        return {line, exact(c.fieldCm), exact(c.other), exact(c.otherDepthMm), exact(c.value), exact(c.depthMm)};
    case Kind::TmrFallsWithFieldSize:
        return {line, exact(c.depthMm), exact(c.other), exact(c.otherFieldCm), exact(c.value), exact(c.fieldCm)};
    case Kind::AxisOcrNotOne: return {line, exact(c.ocrDepthCm), exact(c.value)};
    case Kind::OcrRisesOutsideField:
        return {line,          exact(c.ocrDepthCm), exact(c.other), offAxis(c.otherOffAxis),
                exact(c.value), offAxis(c.offAxis)};
    case Kind::TprOutside6MvRange: return {line, Whole(c.otherLine), FixedDecimal(c.value, 4)};
    case Kind::StandardCalculationFails: break;
    }
    return {};
}

constexpr std::string_view Context = "BeamDataCheckMessages";

}  // namespace

Message ConcernMessage(const BeamDataConcern& concern) {
    std::vector<Message> arguments;
    for (std::string& text : ConcernArguments(concern)) arguments.push_back(Plain(std::move(text)));
    return Worded(Context, WordingOf(concern.kind).sentence, std::move(arguments));
}

Message LeftOutMessage(BeamDataConcernKind kind, std::size_t count) {
    return Worded(Context, WordingOf(kind).leftOut, {Plain(std::to_string(count))});
}

std::vector<Message> ShownConcernMessages(const std::vector<BeamDataConcern>& concerns, std::size_t perKind) {
    const ShownConcerns shown = SelectShownConcerns(concerns, perKind);
    std::vector<Message> messages;
    for (int k = 0; k < BeamDataConcernKindCount; ++k) {
        const auto kind = static_cast<Kind>(k);
        for (const BeamDataConcern& c : shown.shown)
            if (c.kind == kind) messages.push_back(ConcernMessage(c));
        for (const auto& [leftKind, count] : shown.leftOut)
            if (leftKind == kind) messages.push_back(LeftOutMessage(kind, count));
    }
    return messages;
}

}  // namespace corvane
