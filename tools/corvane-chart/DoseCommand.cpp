// corvane-chart dose: the normalised dose matrix, one depth row per line.
#include "CommandLine.h"

#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"

#include <optional>
#include <ostream>

namespace corvane::cli {
namespace {

const char* const DoseUsage =
    "  dose [OPTIONS]       writes DoseGrid(I, J): 301 lines, J = 0..300, each with the\n"
    "                       501 values I = 0..500 separated by commas, as %.17g\n";

int runDose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Outcome<Options, UsageFault> parsed = ParseOptions(args, CalculationOptions);
    if (!parsed) {
        err << "corvane-chart dose: " << parsed.error() << '\n';
        return ExitUsage;
    }
    if (parsed->help) {
        out << "Usage: corvane-chart dose [OPTIONS]\n\n"
            << DoseUsage << "\nOptions:\n"
            << CalculationOptionsHelp()
            << "\nExit codes: 0 success; 1 the calculation failed (nothing on standard output,\n"
               "the two messages on standard error); 2 bad usage, or a data file that does not\n"
               "load; 3 the output could not be written.\n";
        return ExitSuccess;
    }

    const Outcome<DoseCalculation, int> result = PrepareAndComputeDoseGrid(*parsed, "corvane-chart dose: ", err);
    if (!result) return result.error();

    std::string text;
    text.reserve(DoseMatrix::RowCount * DoseMatrix::ColumnCount * 20);
    for (int J = 0; J < DoseMatrix::RowCount; ++J) {
        for (int I = 0; I < DoseMatrix::ColumnCount; ++I) {
            if (I > 0) text += ',';
            text += FormatNumber17(result->DoseGrid(I, J));
        }
        text += '\n';
    }
    out << text;
    return ExitSuccess;
}

const CommandRegistration registration{"dose", DoseUsage, runDose};

}  // namespace
}  // namespace corvane::cli
