// corvane-chart render: the chart as a PNG or SVG picture, or the printed
// page as a PDF, drawn headless by the program's own Qt surface.
#include "CommandLine.h"

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
#include <string_view>

namespace corvane::cli {
namespace {

// Beyond this the picture would need gigabytes.
constexpr int MaxScale = 8;

constexpr const char* Name = "corvane-chart render: ";

enum class PictureFormat { Png, Svg, Pdf };

std::optional<PictureFormat> FormatOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") return PictureFormat::Png;
    if (extension == "svg") return PictureFormat::Svg;
    if (extension == "pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

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

int Render(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> allowed = CalculationOptions;
    allowed.insert(allowed.end(), {"out", "mesh", "scale"});
    const ParsedOptions parsed = ParseOptions(args, allowed);
    if (!parsed.options) {
        err << Name << parsed.error << "\n";
        return ExitUsage;
    }
    if (parsed.help) {
        out << Help();
        return ExitSuccess;
    }
    const Options& options = *parsed.options;

    if (!options.has("out") || options.get("out", "").empty()) {
        err << Name << "--out FILE is required\n";
        return ExitUsage;
    }
    const std::string path = options.get("out", "");
    const std::optional<PictureFormat> format = FormatOf(path);
    if (!format) {
        err << Name << "--out must name a .png, .svg or .pdf file: " << PathForMessage(path) << "\n";
        return ExitUsage;
    }
    const std::string meshText = options.get("mesh", "0");
    if (meshText != "0" && meshText != "1") {
        err << Name << "--mesh must be 0 or 1: " << QuoteForMessage(meshText) << "\n";
        return ExitUsage;
    }
    int scale = 1;
    if (options.has("scale")) {
        if (*format != PictureFormat::Png) {
            err << Name << "--scale applies to PNG pictures only\n";
            return ExitUsage;
        }
        const std::optional<int> parsedScale = ParseScale(options.get("scale", ""));
        if (!parsedScale) {
            err << Name << "--scale must be a whole number from 1 to " << MaxScale << ": "
                << QuoteForMessage(options.get("scale", "")) << "\n";
            return ExitUsage;
        }
        scale = *parsedScale;
    }

    // Some megabytes of matrices: not on the stack.
    auto owned = std::make_unique<CalculationState>();
    CalculationState& state = *owned;
    std::string error;
    if (const int prepared = PrepareCalculation(options, state, error, err); prepared != ExitSuccess) {
        err << Name << error << "\n";
        return prepared;
    }
    state.MeshMode = meshText == "1" ? ChartMesh::OneCm : ChartMesh::FiveCm;

    GuiSession session;
    QByteArray bytes;
    try {
        ComputeDoseGrid(state);
        switch (*format) {
        case PictureFormat::Png: bytes = ChartPng(state, scale); break;
        case PictureFormat::Svg: bytes = ChartSvg(state); break;
        // The printed page reads the grid only: no screen chart is drawn.
        case PictureFormat::Pdf: bytes = PrintedChartPdf(state); break;
        }
    } catch (const CalculationFailure&) {
        WriteFailureMessages(err);
        return ExitCalculationFailure;
    } catch (const std::exception& e) {
        err << Name << "the picture could not be made: " << e.what() << "\n";
        return ExitUsage;
    }

    // Written whole or not at all: an existing file stays as it was on failure.
    const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const std::optional<std::string> reason = WriteFileAtomically(path, content)) {
        err << Name << "cannot write " << PathForMessage(path) << ": " << *reason << "\n";
        return ExitOutputFailure;
    }
    return ExitSuccess;
}

const CommandRegistration registration{"render", RenderUsage, Render};

}  // namespace
}  // namespace corvane::cli
