#include "WebSession.h"

#include "chart/ProfileTable.h"
#include "chart/RecordingSurface.h"
#include "chart/ReferenceOverlay.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/ConditionsFileName.h"
#include "state/MessageText.h"
#include "state/WedgeOptions.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace corvane::web {

std::optional<BeamSetup> SetupNamed(std::string_view text, std::string& error) {
    if (text == "ssd") return BeamSetup::Ssd;
    if (text == "std") return BeamSetup::Std;
    error = "setup takes ssd or std, not " + QuoteForMessage(text);
    return std::nullopt;
}

std::optional<WedgeFilter> WedgeNamed(std::string_view text, std::string& error) {
    if (text == "non") return WedgeFilter::None;
    if (text == "30") return WedgeFilter::Deg30;
    if (text == "45") return WedgeFilter::Deg45;
    if (text == "60") return WedgeFilter::Deg60;
    error = "wedge takes non, 30, 45 or 60, not " + QuoteForMessage(text);
    return std::nullopt;
}

WebSession::WebSession() = default;
WebSession::~WebSession() = default;

const DataLoad& WebSession::LoadData(std::string_view bytes, const std::string& fileName, bool moreFollows) {
    BeamDataLoad load = ParseBeamData(bytes, fileName, moreFollows);
    lastLoad_ = DataLoad{};
    lastLoad_.file = fileName;
    if (!load) {
        lastLoad_.fault = BeamDataFaultMessage(load.error());
        return lastLoad_;
    }
    lastLoad_.ok = true;
    lastLoad_.misplacedOcrRows = load->misplacedOcrRows;
    beam_ = load->data;
    return lastLoad_;
}

IrradiationConditions WebSession::Prepared(const EntryConditions& entries) const {
    if (!beam_) throw CalculationFailure("no beam data is loaded");
    // As the start button and the conditions window would leave them.
    IrradiationConditions conditions;
    conditions.Setup = entries.setup;
    SelectWedge(conditions, entries.wedge);
    ReadConditionEntries(conditions, entries.depth, entries.width, entries.length);
    return conditions;
}

void WebSession::DrawShown(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface) const {
    if (!reference_) {
        DrawChart(result, mesh, surface);
        return;
    }
    const std::vector<std::string> caption =
        ReferenceCaptionLines(reference_->Conditions, referenceHeading_, referenceDepthLabel_);
    DrawChartWithReference(result, *reference_, caption, mesh, surface);
}

ChartRun WebSession::Run(const EntryConditions& conditions, ChartMesh mesh) {
    ChartRun run;
    // Every failure of the run ends alike, whatever its cause, as on the
    // desktop: the page shows the two messages and hides the chart.
    try {
        const IrradiationConditions prepared = Prepared(conditions);
        std::shared_ptr<const DoseCalculation> result = ComputeSharedDoseGrid(*beam_, prepared);
        DrawShown(*result, mesh, run.chart);
        shown_ = std::move(result);
        cursor_.CursorInChart = false;
        run.ok = true;
    } catch (const std::exception& failure) {
        run.cause = failure.what();
        run.chart = {};
    }
    return run;
}

ChartRun WebSession::Redraw(ChartMesh mesh) {
    ChartRun run;
    if (!shown_) return run;
    auto draw = [&]() -> std::optional<std::string> {
        try {
            PackedSurface surface;
            DrawShown(*shown_, mesh, surface);
            run.chart = std::move(surface);
            return std::nullopt;
        } catch (const std::exception& failure) {
            return std::string(failure.what());
        }
    };
    std::optional<std::string> failed = draw();
    if (failed && reference_) {
        // A grid once drawn traces the same again, so this is not expected;
        // should it happen, the chart goes back to being drawn alone.
        reference_.reset();
        run.referenceCleared = *failed;
        failed = draw();
    }
    run.ok = !failed;
    if (failed) run.cause = *failed;
    return run;
}

PackedSurface WebSession::PrintedPage() const {
    PackedSurface surface;
    if (shown_) DrawPrintedChart(*shown_, surface);
    return surface;
}

void WebSession::HoldReference() { reference_ = shown_; }

void WebSession::ClearReference() { reference_.reset(); }

void WebSession::SetReferenceWords(std::string heading, std::string depthLabel) {
    referenceHeading_ = std::move(heading);
    referenceDepthLabel_ = std::move(depthLabel);
}

Readout WebSession::ReadoutAtCursor() const {
    Readout readout;
    readout.inChart = true;
    readout.ix = static_cast<int>(cursor_.CursorX);
    readout.iy = static_cast<int>(cursor_.CursorY);
    readout.texts = ReadoutTextsAt(shown_->DoseGrid, readout.ix, readout.iy, separator_);
    return readout;
}

Readout WebSession::MouseMove(double x, double y, double boxWidth, double boxHeight) {
    if (!shown_ || !(boxWidth > 0) || !(boxHeight > 0)) return {};
    const float X = BoxToChartX(x, boxWidth);
    const float Y = BoxToChartY(y, boxHeight);
    // NaN compares false everywhere, so it must not reach the inside branch.
    if (X != X || Y != Y || IsOutsideChart(X, Y)) {
        cursor_.CursorInChart = false;
        return {};
    }
    cursor_.CursorInChart = true;
    cursor_.CursorX = static_cast<float>(ChartCell(X));
    cursor_.CursorY = static_cast<float>(ChartCell(Y));
    return ReadoutAtCursor();
}

std::pair<int, int> WebSession::TargetCell() const {
    if (!shown_) return {AxisColumn, 0};
    const double row = std::floor(10 * shown_->Conditions.Depth);
    return {AxisColumn, row >= 0 && row <= LastComputedRow ? static_cast<int>(row) : 0};
}

Readout WebSession::PlaceCursor(int ix, int iy) {
    if (!shown_) return {};
    cursor_.CursorInChart = true;
    cursor_.CursorX = static_cast<float>(std::clamp(ix, ChartAreaLeft, ChartAreaRight));
    cursor_.CursorY = static_cast<float>(std::clamp(iy, ChartAreaTop, ChartAreaBottom));
    return ReadoutAtCursor();
}

std::optional<Readout> WebSession::Key(CursorKey key) {
    if (!shown_ || !StepCursor(cursor_, key)) return std::nullopt;
    return ReadoutAtCursor();
}

namespace {

constexpr double Percent = 100;

void FillLines(const DoseCalculation& result, int column, int row, std::vector<double>& down,
               std::vector<double>& across) {
    down.resize(LastComputedRow + 1);
    for (int J = 0; J <= LastComputedRow; ++J) down[J] = Percent * result.DoseGrid(column, J);
    const double* cells = result.DoseGrid.row(row);
    across.assign(cells, cells + GridColumns);
    for (double& cell : across) cell *= Percent;
}

double LargestPercent(const ProfileGrid& grid) {
    double largest = 0;
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double* row = grid.cells->row(J);
        for (int I = grid.region.firstColumn(); I <= grid.region.lastColumn(); ++I)
            largest = std::max(largest, row[I]);
    }
    return Percent * largest;
}

}  // namespace

Profiles WebSession::ProfilesAt(int column, int row) const {
    Profiles p;
    if (!shown_) return p;
    p.column = std::clamp(column, 0, LastChartColumn);
    p.row = std::clamp(row, 0, LastComputedRow);
    const ProfileGrid grid = ProfileGridOf(*shown_);
    p.region = grid.region;
    p.wedged = grid.wedged;
    FillLines(*shown_, p.column, p.row, p.depthDose, p.lateral);
    p.depthFigures = DepthDoseFiguresOf(grid, p.column);
    p.lateralFigures = LateralFiguresOf(grid, p.row);
    p.largestPercent = LargestPercent(grid);
    if (reference_) {
        const ProfileGrid held = ProfileGridOf(*reference_);
        p.hasReference = true;
        p.referenceRegion = held.region;
        FillLines(*reference_, p.column, p.row, p.referenceDepthDose, p.referenceLateral);
        p.largestPercent = std::max(p.largestPercent, LargestPercent(held));
    }
    return p;
}

std::string WebSession::ProfilesCsv(char separator, int column, int row) const {
    if (!shown_) return {};
    return TwoProfilesTable(separator, std::clamp(column, 0, LastChartColumn), std::clamp(row, 0, LastComputedRow),
                            shown_->DoseGrid, reference_ ? &reference_->DoseGrid : nullptr);
}

std::string WebSession::FileName(std::string_view ending) const {
    return shown_ ? ConditionsFileName(shown_->Conditions, ending) : std::string();
}

std::vector<double> WebSession::Dose(const EntryConditions& conditions) const {
    const IrradiationConditions prepared = Prepared(conditions);
    const DoseCalculation result = ComputeDoseGrid(*beam_, prepared);
    const double* cells = result.DoseGrid.row(0);
    return std::vector<double>(cells, cells + std::size_t{GridRows} * GridColumns);
}

std::string WebSession::OpsText(const EntryConditions& conditions, ChartMesh mesh) const {
    const IrradiationConditions prepared = Prepared(conditions);
    const DoseCalculation result = ComputeDoseGrid(*beam_, prepared);
    RecordingSurface surface;
    DrawChart(result, mesh, surface);
    return surface.text();
}

}  // namespace corvane::web
