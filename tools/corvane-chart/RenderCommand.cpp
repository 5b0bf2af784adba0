// corvane-chart render: the chart as a PNG or SVG picture, or the printed
// page as a PDF, drawn headless by the program's own Qt surface.
#include "CommandLine.h"

#include "chart/DrawChart.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "qtsurface/ChartExport.h"
#include "state/AtomicFileWrite.h"
#include "state/MessageText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::cli {
namespace {

// Beyond this the picture would need gigabytes.
constexpr int MaxScale = 8;

constexpr const char* Name = "corvane-chart render: ";

// A whole number of 1 to MaxScale written in plain digits.
std::optional<int> ParseScale(const std::string& text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < 1 || value > MaxScale) return std::nullopt;
    return value;
}

const char* const RenderUsage =
    "  render --out FILE [OPTIONS] [--mesh 0|1] [--scale N]\n"
    "                       draws the chart into FILE, in the format its extension\n"
    "                       names: .png the chart picture of 997 x 685 pixels,\n"
    "                       antialiased (--scale N: N times the size, N = 1..8); .svg\n"
    "                       the same picture as SVG; .pdf the printed page on A4 at\n"
    "                       true scale. On a failure no file is written, then exit 1\n";

std::string Help() {
    return "Usage: corvane-chart render --out FILE [OPTIONS] [--mesh 0|1] [--scale N]\n\n" +
           std::string(RenderUsage) + "\nOptions:\n" + CalculationOptionsHelp() +
           "  --out FILE           the file to write: .png, .svg or .pdf (required)\n"
           "  --mesh 0|1           MeshMode: 1 adds the 1 cm grid (default 0); the printed\n"
           "                       page always has its 1 cm grid\n"
           "  --scale N            PNG only: N times 997 x 685 pixels, N = 1..8 (default 1)\n"
           "\nExit codes: 0 the file is written; 1 the calculation or the drawing failed\n"
           "(the two messages on standard error, no file written, an existing one left as\n"
           "it was); 2 bad usage, or a data file that does not load; 3 the file or the\n"
           "output could not be written (no file written, an existing one left as it was).\n";
}

// Qt's notes about the session (no runtime directory and the like) would
// mix into the tool's own messages on standard error.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Fonts and painters need a QGuiApplication; the tool runs without a
// display unless told otherwise.
class GuiSession {
public:
    GuiSession() {
        if (QCoreApplication::instance() != nullptr) return;
        qInstallMessageHandler(QuietQtNotes);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_.emplace(argc_, argv_);
    }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "corvane-chart";
    static inline char* argv_[] = {name_, nullptr};
    std::optional<QGuiApplication> app_;
};

// What render is asked to make, read from its options.
struct RenderRequest {
    std::string path;  // the file to write, as given
    ChartFileFormat format = ChartFileFormat::Png;
    ChartMesh mesh = ChartMesh::FiveCm;
    int scale = 1;  // PNG only
};

// The options render takes beyond those of every calculation.
std::vector<std::string> RenderOptions() {
    std::vector<std::string> allowed = CalculationOptions;
    allowed.insert(allowed.end(), {"out", "mesh", "scale"});
    return allowed;
}

// Reads --out, --mesh and --scale, checked in this order, before anything is
// loaded.
Outcome<RenderRequest, UsageFault> ReadRequest(const Options& options) {
    RenderRequest request;
    request.path = options.get("out", "");
    if (request.path.empty()) return Fail(std::string("--out FILE is required"));
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(request.path);
    if (!format) return Fail("--out must name a .png, .svg or .pdf file: " + PathForMessage(request.path));
    request.format = *format;

    const Outcome<ChartMesh, UsageFault> mesh = MeshOption(options);
    if (!mesh) return Fail(mesh.error());
    request.mesh = *mesh;

    if (options.has("scale")) {
        if (request.format != ChartFileFormat::Png) return Fail(std::string("--scale applies to PNG pictures only"));
        const std::string text = options.get("scale", "");
        const std::optional<int> scale = ParseScale(text);
        if (!scale)
            return Fail("--scale must be a whole number from 1 to " + std::to_string(MaxScale) + ": " +
                        QuoteForMessage(text));
        request.scale = *scale;
    }
    return request;
}

// Computes the dose grid and draws the picture. The fault is the exit code
// ExitCalculationFailure, after writing why on `err`: the two failure
// messages when the calculation or the drawing fails, one line when Qt could
// not make the picture. Needs a GuiSession.
Outcome<QByteArray, int> MakePicture(const CalculationInputs& inputs, const RenderRequest& request,
                                     std::ostream& err) {
    try {
        const DoseCalculation result = ComputeDoseGrid(inputs.Beam, inputs.Conditions);
        const Outcome<QByteArray, PictureFault> bytes = ChartFileBytes(
            request.format, result,
            [&result, &request](DrawingSurface& surface) { DrawChart(result, request.mesh, surface); },
            request.scale);
        if (bytes) return *bytes;
        err << Name << "the picture could not be made: " << bytes.error().reason << "\n";
    } catch (const CalculationFailure&) {
        // The designed failure of the calculation or the drawing: its two messages.
        WriteFailureMessages(err);
    }
    return Fail(ExitCalculationFailure);
}

// Written whole or not at all: an existing file stays as it was on failure.
int WritePicture(const std::string& path, const QByteArray& bytes, std::ostream& err) {
    const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const Outcome<void, WriteFault> written = WriteFileAtomically(path, content); !written) {
        err << Name << "cannot write " << PathForMessage(path) << ": " << written.error().reason << "\n";
        return ExitOutputFailure;
    }
    return ExitSuccess;
}

int Render(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Outcome<Options, UsageFault> parsed = ParseOptions(args, RenderOptions());
    if (!parsed) {
        err << Name << parsed.error() << "\n";
        return ExitUsage;
    }
    if (parsed->help) {
        out << Help();
        return ExitSuccess;
    }
    const Outcome<RenderRequest, UsageFault> request = ReadRequest(*parsed);
    if (!request) {
        err << Name << request.error() << "\n";
        return ExitUsage;
    }

    const Outcome<CalculationInputs, UsageFault> inputs = PrepareCalculation(*parsed, Name, err);
    if (!inputs) {
        err << Name << inputs.error() << "\n";
        return ExitUsage;
    }

    const GuiSession session;
    const Outcome<QByteArray, int> bytes = MakePicture(*inputs, *request, err);
    if (!bytes) return bytes.error();
    return WritePicture(request->path, *bytes, err);
}

const CommandRegistration registration{"render", RenderUsage, Render};

}  // namespace
}  // namespace corvane::cli
