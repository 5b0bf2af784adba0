// corvane-chart ops and print-ops: the drawing operations of the screen chart
// (DrawChart) and of the printed page (DrawPrintedChart), one per line, as
// the recording surface writes them.
#include "CommandLine.h"

#include "state/MessageText.h"

#include "chart/DrawChart.h"
#include "chart/RecordingSurface.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"

#include <ostream>

namespace corvane::cli {
namespace {

const char* const OpsUsage =
    "  ops [OPTIONS] [--mesh 0|1]\n"
    "                       writes the operations of the screen chart (DrawChart), one\n"
    "                       per line: Cls, Line X1 Y1 X2 Y2 C, LineTo X2 Y2 C, Box X1 Y1\n"
    "                       X2 Y2, PSet X Y C, Circle X Y R C, Move X Y, ForeColor C and\n"
    "                       Print TEXT; numbers as %.17g, C a colour number or \"-\" for\n"
    "                       the foreground colour. --mesh 1 adds the 1 cm grid (default 0).\n"
    "                       When the drawing fails, the operations drawn before the\n"
    "                       failure are written, then exit 1\n";

const char* const PrintOpsUsage =
    "  print-ops [OPTIONS]  writes the operations of the printed page, as ops does, with\n"
    "                       its page settings: ScaleMode mm, ScaleTop Y, ScaleLeft X, Font\n"
    "                       NAME POINTS, DrawWidth N (n x 0.1 mm lines) and EndDoc\n";

enum class Chart { Screen, Printed };

int runOps(Chart chart, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const char* const name = chart == Chart::Screen ? "ops" : "print-ops";
    std::vector<std::string> allowed = CalculationOptions;
    if (chart == Chart::Screen) allowed.push_back("mesh");

    const Outcome<Options, UsageFault> parsed = ParseOptions(args, allowed);
    if (!parsed) {
        err << "corvane-chart " << name << ": " << parsed.error() << '\n';
        return ExitUsage;
    }
    if (parsed->help) {
        out << "Usage: corvane-chart " << name << " [OPTIONS]"
            << (chart == Chart::Screen ? " [--mesh 0|1]" : "") << "\n\n"
            << (chart == Chart::Screen ? OpsUsage : PrintOpsUsage) << "\nOptions:\n"
            << CalculationOptionsHelp();
        if (chart == Chart::Screen)
            out << "  --mesh 0|1           MeshMode: 1 adds the 1 cm grid (default 0)\n";
        out << "\nExit codes: 0 success; 1 the calculation or the drawing failed (the\n"
               "operations drawn before it on standard output, the two messages on standard\n"
               "error); 2 bad usage, or a data file that does not load; 3 the output could not\n"
               "be written.\n";
        return ExitSuccess;
    }

    const std::string prefix = std::string("corvane-chart ") + name + ": ";
    const Outcome<ChartMesh, UsageFault> meshMode = MeshOption(*parsed);  // print-ops takes no --mesh
    if (!meshMode) {
        err << prefix << meshMode.error() << "\n";
        return ExitUsage;
    }

    const Outcome<CalculationInputs, UsageFault> inputs = PrepareCalculation(*parsed, prefix, err);
    if (!inputs) {
        err << prefix << inputs.error() << '\n';
        return ExitUsage;
    }

    RecordingSurface surface;
    int code = ExitSuccess;
    try {
        const DoseCalculation result = ComputeDoseGrid(inputs->Beam, inputs->Conditions);
        if (chart == Chart::Screen)
            DrawChart(result, *meshMode, surface);
        else
            DrawPrintedChart(result, surface);
    } catch (const CalculationFailure&) {
        // The designed failure: what was drawn before it, then its two messages.
        code = ExitCalculationFailure;
    }
    out << surface.text();
    if (code == ExitCalculationFailure) WriteFailureMessages(err);
    return code;
}

const CommandRegistration opsRegistration{
    "ops", OpsUsage, [](const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
        return runOps(Chart::Screen, args, out, err);
    }};

const CommandRegistration printOpsRegistration{
    "print-ops", PrintOpsUsage,
    [](const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
        return runOps(Chart::Printed, args, out, err);
    }};

}  // namespace
}  // namespace corvane::cli
