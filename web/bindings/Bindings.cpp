// The WebAssembly module's interface (embind): the page's Session and a few
// constants. Every result is a plain JavaScript value; nothing throws into
// JavaScript: a failure comes back as a value the page words itself.
#include "WebSession.h"

#include "chart/Palette.h"
#include "dose/BeamQuality.h"
#include "dose/CalculationFailure.h"
#include "state/BeamDataFault.h"
#include "state/EntryClamp.h"
#include "state/MessageText.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <exception>

namespace corvane::web {
namespace {

using emscripten::val;

// A copy in JavaScript's own memory: a view into the module's memory would
// go stale when the memory grows.
val Float64Array(const std::vector<double>& values) {
    return val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice");
}

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

val Packed(const PackedSurface& surface) {
    val ops = val::object();
    ops.set("numbers", Float64Array(surface.numbers()));
    ops.set("texts", Strings(surface.texts()));
    return ops;
}

val Failure(const char* kind, const std::string& message) {
    val failure = val::object();
    failure.set("failure", kind);
    failure.set("message", message);
    return failure;
}

// The conditions of a call, or the usage fault in `error`.
std::optional<EntryConditions> Conditions(const std::string& setup, const std::string& wedge,
                                          const std::string& depth, const std::string& width,
                                          const std::string& length, std::string& error) {
    const std::optional<BeamSetup> s = SetupNamed(setup, error);
    if (!s) return std::nullopt;
    const std::optional<WedgeFilter> w = WedgeNamed(wedge, error);
    if (!w) return std::nullopt;
    return EntryConditions{*s, *w, depth, width, length};
}

ChartMesh Mesh(int mesh) { return mesh == 1 ? ChartMesh::OneCm : ChartMesh::FiveCm; }

val RunValue(const ChartRun& run) {
    val result = val::object();
    result.set("ok", run.ok);
    result.set("cause", run.cause);
    if (run.ok) result.set("ops", Packed(run.chart));
    if (run.referenceCleared) result.set("referenceCleared", *run.referenceCleared);
    return result;
}

val ReadoutValue(const Readout& readout) {
    val result = val::object();
    result.set("inChart", readout.inChart);
    result.set("ix", readout.ix);
    result.set("iy", readout.iy);
    result.set("offCentre", readout.texts.offCentre);
    result.set("depth", readout.texts.depth);
    result.set("dose", readout.texts.dose);
    return result;
}

template <class T>
val Optional(const std::optional<T>& value) {
    return value ? val(*value) : val::null();
}

class Session {
public:
    bool loadData(const std::string& bytes, const std::string& name, bool moreFollows) {
        return session_.LoadData(bytes, name, moreFollows).ok;
    }

    // The last data file's messages in the words `translate(context, source)`
    // gives: {fault, warning}, each empty when there is none.
    val dataMessages(val translate) const {
        const auto words = [&](std::string_view context, const std::string& source) {
            return translate(std::string(context), source).as<std::string>();
        };
        const DataLoad& load = session_.LastLoad();
        val result = val::object();
        result.set("fault", load.fault ? UserText(*load.fault, words) : std::string());
        result.set("warning", load.misplacedOcrRows.empty()
                                  ? std::string()
                                  : MisplacedOcrRowsText(load.file, load.misplacedOcrRows, words));
        return result;
    }

    bool hasData() const { return session_.HasData(); }

    val beamTables() const {
        if (!session_.HasData()) return val::null();
        const BeamData& beam = session_.Beam();
        std::vector<double> depths, fields, tmr, ocr;
        for (int i = 1; i <= BeamData::DepthRows; ++i) depths.push_back(beam.DepthTable[i]);
        for (int j = 1; j <= BeamData::FieldColumns; ++j) fields.push_back(beam.FieldSizeTable[j]);
        for (int i = 1; i <= BeamData::DepthRows; ++i)
            for (int j = 1; j <= BeamData::FieldColumns; ++j) tmr.push_back(beam.TmrTable[i][j]);
        for (int i = 1; i <= BeamData::OcrRows; ++i)
            for (int k = 1; k <= BeamData::OcrColumns; ++k) ocr.push_back(beam.OcrTable[i][k]);
        val tables = val::object();
        tables.set("depths", Float64Array(depths));
        tables.set("fieldSizes", Float64Array(fields));
        tables.set("tmr", Float64Array(tmr));
        tables.set("ocr", Float64Array(ocr));
        tables.set("tpr2010", Optional(BeamQualityOf(beam).tpr2010));
        return tables;
    }

    val run(const std::string& setup, const std::string& wedge, const std::string& depth,
            const std::string& width, const std::string& length, int mesh) {
        std::string error;
        const auto conditions = Conditions(setup, wedge, depth, width, length, error);
        if (!conditions) return Failure("usage", error);
        return RunValue(session_.Run(*conditions, Mesh(mesh)));
    }

    val redraw(int mesh) { return RunValue(session_.Redraw(Mesh(mesh))); }
    val printedPage() const { return Packed(session_.PrintedPage()); }

    void holdReference() { session_.HoldReference(); }
    void clearReference() { session_.ClearReference(); }
    bool hasReference() const { return session_.HasReference(); }
    void setReferenceWords(const std::string& heading, const std::string& depthLabel) {
        session_.SetReferenceWords(heading, depthLabel);
    }

    void setDecimalSeparator(const std::string& separator) { session_.SetDecimalSeparator(separator); }
    val mouseMove(double x, double y, double width, double height) {
        return ReadoutValue(session_.MouseMove(x, y, width, height));
    }
    // 0 left, 1 up, 2 right, 3 down.
    val key(int key) {
        if (key < 0 || key > 3) return val::null();
        const std::optional<Readout> readout = session_.Key(static_cast<CursorKey>(key));
        return readout ? ReadoutValue(*readout) : val::null();
    }
    void leaveChart() { session_.LeaveChart(); }
    val targetCell() const {
        const auto [ix, iy] = session_.TargetCell();
        val cell = val::object();
        cell.set("ix", ix);
        cell.set("iy", iy);
        return cell;
    }
    val placeCursor(int ix, int iy) { return ReadoutValue(session_.PlaceCursor(ix, iy)); }

    val profilesAt(int column, int row) const {
        const Profiles p = session_.ProfilesAt(column, row);
        val result = val::object();
        result.set("column", p.column);
        result.set("row", p.row);
        result.set("halfWidth", p.region.halfWidth);
        result.set("wedged", p.wedged);
        result.set("depthDose", Float64Array(p.depthDose));
        result.set("lateral", Float64Array(p.lateral));
        result.set("largestPercent", p.largestPercent);
        const DepthDoseFigures& d = p.depthFigures;
        val depth = val::object();
        depth.set("depthOfMaximumMm", Optional(d.depthOfMaximumMm));
        depth.set("dose100", Optional(d.dose100));
        depth.set("dose200", Optional(d.dose200));
        depth.set("ratio200to100", Optional(d.ratio200to100));
        depth.set("dose100OfMaximum", Optional(d.dose100OfMaximum));
        depth.set("dose200OfMaximum", Optional(d.dose200OfMaximum));
        result.set("depthFigures", depth);
        const LateralFigures& l = p.lateralFigures;
        val lateral = val::object();
        lateral.set("width50Mm", Optional(l.width50Mm));
        lateral.set("leftPenumbraMm", Optional(l.leftPenumbraMm));
        lateral.set("rightPenumbraMm", Optional(l.rightPenumbraMm));
        lateral.set("penumbraeWithheldForWedge", l.penumbraeWithheldForWedge);
        result.set("lateralFigures", lateral);
        if (p.hasReference) {
            val reference = val::object();
            reference.set("halfWidth", p.referenceRegion.halfWidth);
            reference.set("depthDose", Float64Array(p.referenceDepthDose));
            reference.set("lateral", Float64Array(p.referenceLateral));
            result.set("reference", reference);
        }
        return result;
    }

    // Comma-separated for a file, tab-separated for a spreadsheet's paste.
    std::string profilesCsv(bool tabs, int column, int row) const {
        return session_.ProfilesCsv(tabs ? '\t' : ',', column, row);
    }
    std::string fileName(const std::string& ending) const { return session_.FileName(ending); }

    val dose(const std::string& setup, const std::string& wedge, const std::string& depth,
             const std::string& width, const std::string& length) const {
        std::string error;
        const auto conditions = Conditions(setup, wedge, depth, width, length, error);
        if (!conditions) return Failure("usage", error);
        try {
            return Float64Array(session_.Dose(*conditions));
        } catch (const std::exception& failure) {
            return Failure("calculation", failure.what());
        }
    }

    val opsText(const std::string& setup, const std::string& wedge, const std::string& depth,
                const std::string& width, const std::string& length, int mesh) const {
        std::string error;
        const auto conditions = Conditions(setup, wedge, depth, width, length, error);
        if (!conditions) return Failure("usage", error);
        try {
            return val(session_.OpsText(*conditions, Mesh(mesh)));
        } catch (const std::exception& failure) {
            return Failure("calculation", failure.what());
        }
    }

private:
    WebSession session_;
};

// The two messages of a failed calculation, in their catalogs' context.
std::string FailureContext() { return FailureMessageContext; }

val FailureMessages() {
    val messages = val::array();
    messages.call<void>("push", std::string(FailureMessageFirst));
    messages.call<void>("push", std::string(FailureMessageSecond));
    return messages;
}

// The 16 colours by number, as [red, green, blue].
val PaletteValue() {
    val colours = val::array();
    for (const Rgb& c : Palette) {
        val colour = val::array();
        colour.call<void>("push", static_cast<int>(c.red));
        colour.call<void>("push", static_cast<int>(c.green));
        colour.call<void>("push", static_cast<int>(c.blue));
        colours.call<void>("push", colour);
    }
    return colours;
}

// The user window the chart picture shows.
val ChartPicture() {
    val window = val::object();
    window.set("left", ChartPictureLeft);
    window.set("top", ChartPictureTop);
    window.set("unitsWide", ChartPictureUnitsWide);
    window.set("unitsHigh", ChartPictureUnitsHigh);
    return window;
}

// A file name as the page's messages show it: escaped and shortened.
std::string PathText(const std::string& path) { return PathForMessage(path); }

// Enter on the depth entry (`depth`) or on a field entry.
std::string ClampEntry(const std::string& text, bool depth) {
    return ClampEntryText(text, depth ? DepthEntryRange : FieldEntryRange);
}

}  // namespace
}  // namespace corvane::web

EMSCRIPTEN_BINDINGS(corvane) {
    using namespace corvane::web;
    emscripten::class_<Session>("Session")
        .constructor<>()
        .function("loadData", &Session::loadData)
        .function("dataMessages", &Session::dataMessages)
        .function("hasData", &Session::hasData)
        .function("beamTables", &Session::beamTables)
        .function("run", &Session::run)
        .function("redraw", &Session::redraw)
        .function("printedPage", &Session::printedPage)
        .function("holdReference", &Session::holdReference)
        .function("clearReference", &Session::clearReference)
        .function("hasReference", &Session::hasReference)
        .function("setReferenceWords", &Session::setReferenceWords)
        .function("setDecimalSeparator", &Session::setDecimalSeparator)
        .function("mouseMove", &Session::mouseMove)
        .function("key", &Session::key)
        .function("leaveChart", &Session::leaveChart)
        .function("targetCell", &Session::targetCell)
        .function("placeCursor", &Session::placeCursor)
        .function("profilesAt", &Session::profilesAt)
        .function("profilesCsv", &Session::profilesCsv)
        .function("fileName", &Session::fileName)
        .function("dose", &Session::dose)
        .function("opsText", &Session::opsText);
    emscripten::function("failureMessages", &FailureMessages);
    emscripten::function("failureMessageContext", &FailureContext);
    emscripten::function("clampEntry", &ClampEntry);
    emscripten::function("palette", &PaletteValue);
    emscripten::function("pathForMessage", &PathText);
    emscripten::function("chartPicture", &ChartPicture);
    emscripten::constant("dataSizeLimit", static_cast<double>(corvane::BeamDataSizeLimit));
}
