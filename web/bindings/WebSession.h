// What the browser page holds between its events, and every call it makes
// into the core: the loaded beam data, the chart shown with its cursor, the
// held reference, and the stateless calculations of the scripting functions.
// Plain C++ over the core; Bindings.cpp turns it into JavaScript values.
#pragma once

#include "PackedSurface.h"

#include "chart/ChartReadout.h"
#include "chart/DrawChart.h"
#include "dose/DoseCalculation.h"
#include "dose/ProfileFigures.h"
#include "state/BeamDataLoader.h"
#include "state/Message.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::web {

// The conditions as the page's controls and the scripting functions give
// them: the set-up and wedge chosen, and the three entry texts as typed.
struct EntryConditions {
    BeamSetup setup = BeamSetup::Ssd;
    WedgeFilter wedge = WedgeFilter::None;
    std::string depth = "5.0";
    std::string width = "10.0";
    std::string length = "10.0";
};

// The tool's option texts "ssd"/"std" and "non"/"30"/"45"/"60"; empty for
// any other text, with `error` saying so in the tool's words.
std::optional<BeamSetup> SetupNamed(std::string_view text, std::string& error);
std::optional<WedgeFilter> WedgeNamed(std::string_view text, std::string& error);

// What the page tells of the last data file it was given: why it did not
// load, or the rows that loaded out of place. The page words them in its
// language (DataLoad's messages go through the catalogs).
struct DataLoad {
    bool ok = false;
    std::optional<Message> fault;
    std::string file;
    std::vector<MisplacedOcrRow> misplacedOcrRows;
};

// One run of OK or "Change mesh size": the dose grid, then the chart.
struct ChartRun {
    bool ok = false;
    std::string cause;  // what stopped a failed run, for the console only
    PackedSurface chart;
    // Set when the picture with its reference failed and the reference was
    // cleared so that the chart could be drawn alone: that failure's cause.
    std::optional<std::string> referenceCleared;
};

// The cursor readout after a mouse move or a key.
struct Readout {
    bool inChart = false;  // false: boxes empty, cross-hair hidden
    int ix = 0;
    int iy = 0;
    ReadoutTexts texts;
};

// The profiles through the cell (column, row) and their figures.
struct Profiles {
    int column = AxisColumn;
    int row = 0;
    ComputedRegion region;
    bool wedged = false;
    std::vector<double> depthDose;  // percent, rows 0..250 of the column
    std::vector<double> lateral;    // percent, columns 0..500 of the row
    DepthDoseFigures depthFigures;
    LateralFigures lateralFigures;
    bool hasReference = false;
    ComputedRegion referenceRegion;
    std::vector<double> referenceDepthDose;
    std::vector<double> referenceLateral;
    double largestPercent = 0;  // over the computed cells of the chart and its reference
};

class WebSession {
public:
    WebSession();
    ~WebSession();

    // Reads a data file's bytes (at most BeamDataSizeLimit of them;
    // `moreFollows` when the file goes on). A file that does not load leaves
    // the data in use as it was.
    const DataLoad& LoadData(std::string_view bytes, const std::string& fileName, bool moreFollows);
    const DataLoad& LastLoad() const { return lastLoad_; }
    bool HasData() const { return beam_.has_value(); }
    const BeamData& Beam() const { return *beam_; }

    // Computes and draws the chart; on success it becomes the chart shown
    // and the cursor leaves the chart. A failure leaves the shown chart's
    // data as it was; the page hides it.
    ChartRun Run(const EntryConditions& conditions, ChartMesh mesh);
    bool HasChart() const { return shown_ != nullptr; }

    // The shown chart drawn again (after the reference changed), and its
    // printed page.
    ChartRun Redraw(ChartMesh mesh);
    PackedSurface PrintedPage() const;

    // The held reference: the shown chart's result, kept until cleared; its caption
    // in the words given, in the page's language.
    void HoldReference();
    void ClearReference();
    bool HasReference() const { return reference_ != nullptr; }
    void SetReferenceWords(std::string heading, std::string depthLabel);

    void SetDecimalSeparator(std::string separator) { separator_ = std::move(separator); }
    // A point of the chart's box, from its top-left corner, in a box of that size.
    Readout MouseMove(double x, double y, double boxWidth, double boxHeight);
    // An arrow key; empty when the key does nothing.
    std::optional<Readout> Key(CursorKey key);
    void LeaveChart() { cursor_.CursorInChart = false; }
    // The cell the chart is normalised to: the axis at the target's row.
    // Where the profiles stand before the cross-hair was in the chart, and
    // where a keyboard places the cross-hair (the page's own addition: the
    // arrow keys only move a cross-hair that is in the chart).
    std::pair<int, int> TargetCell() const;
    Readout PlaceCursor(int ix, int iy);

    Profiles ProfilesAt(int column, int row) const;
    std::string ProfilesCsv(char separator, int column, int row) const;
    std::string FileName(std::string_view ending) const;

    // The scripting functions: a calculation of its own on the data in use,
    // that changes nothing of the page. Throw CalculationFailure (or what
    // else stops the calculation).
    std::vector<double> Dose(const EntryConditions& conditions) const;
    std::string OpsText(const EntryConditions& conditions, ChartMesh mesh) const;

private:
    IrradiationConditions Prepared(const EntryConditions& conditions) const;
    void DrawShown(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface) const;
    Readout ReadoutAtCursor() const;

    std::optional<BeamData> beam_;
    DataLoad lastLoad_;
    // The results are shared and never change: a held reference is the
    // shown chart's own result.
    std::shared_ptr<const DoseCalculation> shown_;
    std::shared_ptr<const DoseCalculation> reference_;
    std::string referenceHeading_ = "Reference (grey, dashed)";
    std::string referenceDepthLabel_ = "Depth";
    ChartCursor cursor_;
    std::string separator_ = ".";
};

}  // namespace corvane::web
