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
// loaded. Returns nothing for bad usage, with a one-line reason in `error`.
std::optional<RenderRequest> ReadRequest(const Options& options, std::string& error) {
    RenderRequest request;
    request.path = options.get("out", "");
    if (request.path.empty()) {
        error = "--out FILE is required";
        return std::nullopt;
    }
    const std::optional<ChartFileFormat> format = ChartFileFormatOf(request.path);
    if (!format) {
        error = "--out must name a .png, .svg or .pdf file: " + PathForMessage(request.path);
        return std::nullopt;
    }
    request.format = *format;

    const std::string mesh = options.get("mesh", "0");
    if (mesh != "0" && mesh != "1") {
        error = "--mesh must be 0 or 1: " + QuoteForMessage(mesh);
        return std::nullopt;
    }
    request.mesh = mesh == "1" ? ChartMesh::OneCm : ChartMesh::FiveCm;

    if (options.has("scale")) {
        if (request.format != ChartFileFormat::Png) {
            error = "--scale applies to PNG pictures only";
            return std::nullopt;
        }
        const std::string text = options.get("scale", "");
        const std::optional<int> scale = ParseScale(text);
        if (!scale) {
            error = "--scale must be a whole number from 1 to " + std::to_string(MaxScale) + ": " +
                    QuoteForMessage(text);
            return std::nullopt;
        }
        request.scale = *scale;
    }
    return request;
}

// Computes the dose grid and draws the picture into `bytes`. Returns
// ExitSuccess, or ExitCalculationFailure after writing why on `err`: the two
// failure messages when the calculation or the drawing fails, one line when
// Qt could not make the picture. Needs a GuiSession.
int MakePicture(const CalculationInputs& inputs, const RenderRequest& request, QByteArray& bytes,
                std::ostream& err) {
    try {
        const DoseCalculation result = ComputeDoseGrid(inputs.Beam, inputs.Conditions);
        bytes = ChartFileBytes(
            request.format, result,
            [&result, &request](DrawingSurface& surface) { DrawChart(result, request.mesh, surface); },
            request.scale);
    } catch (const CalculationFailure&) {
        WriteFailureMessages(err);
        return ExitCalculationFailure;
    } catch (const std::exception& e) {
        err << Name << "the picture could not be made: " << e.what() << "\n";
        return ExitCalculationFailure;
    }
    return ExitSuccess;
}

// Written whole or not at all: an existing file stays as it was on failure.
int WritePicture(const std::string& path, const QByteArray& bytes, std::ostream& err) {
    const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const std::optional<std::string> reason = WriteFileAtomically(path, content)) {
        err << Name << "cannot write " << PathForMessage(path) << ": " << *reason << "\n";
        return ExitOutputFailure;
    }
    return ExitSuccess;
}

int Render(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = ParseOptions(args, RenderOptions());
    if (!parsed.options) {
        err << Name << parsed.error << "\n";
        return ExitUsage;
    }
    if (parsed.help) {
        out << Help();
        return ExitSuccess;
    }
    std::string error;
    const std::optional<RenderRequest> request = ReadRequest(*parsed.options, error);
    if (!request) {
        err << Name << error << "\n";
        return ExitUsage;
    }

    CalculationInputs inputs;
    if (const int code = PrepareCalculation(*parsed.options, inputs, Name, error, err); code != ExitSuccess) {
        err << Name << error << "\n";
        return code;
    }

    const GuiSession session;
    QByteArray bytes;
    if (const int code = MakePicture(inputs, *request, bytes, err); code != ExitSuccess) return code;
    return WritePicture(request->path, bytes, err);
}

const CommandRegistration registration{"render", RenderUsage, Render};

}  // namespace
}  // namespace corvane::cli
