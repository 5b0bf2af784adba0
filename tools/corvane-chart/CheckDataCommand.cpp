// corvane-chart check-data: the figures of a beam data file and a warning for
// each value whose physics is implausible, as a physicist checks a beam's
// data at commissioning.
#include "CommandLine.h"
#include "DataFileOption.h"

#include "dose/BeamDataCheck.h"
#include "state/CLocaleNumber.h"
#include "state/MessageText.h"

#include <ostream>
#include <string>

namespace corvane::cli {
namespace {

constexpr const char* Name = "corvane-chart check-data: ";

const char* const CheckDataUsage =
    "  check-data [--data FILE]\n"
    "                       checks the beam data file: on standard output the depth of\n"
    "                       maximum of each field, TPR20,10, PDD(10) and PDD(20) of a\n"
    "                       10 x 10 cm field at SSD 100 cm and the OCR on the axis; on\n"
    "                       standard error a \"warning:\" line, naming the file's line,\n"
    "                       for each implausible value\n";

std::string Help() {
    return "Usage: corvane-chart check-data [--data FILE]\n\n" + std::string(CheckDataUsage) +
           "\nOptions:\n" + DataOptionHelp() +
           "\nWarnings: a TMR above 1.05; a TMR that rises again with depth beyond 5 cm, or\n"
           "falls with field size at one depth (by more than 0.002); an OCR on the axis\n"
           "more than 1 % from 1; an OCR that rises beyond the field edge (by more than\n"
           "0.001); TPR20,10 outside 0.64 to 0.70; a 10 x 10 cm field that cannot be\n"
           "calculated. At most 3 of each kind are listed, then how many more there are.\n"
           "\nExit codes: 0 the file loads, with or without warnings; 2 bad usage, or a data\n"
           "file that does not load; 3 the output could not be written.\n";
}

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

void WriteSummary(const std::string& file, const BeamDataSummary& s, std::ostream& out) {
    std::string text = "Beam data file \"" + PathForMessage(file, 200) + "\"\n";
    text += "Depth of maximum dose, the largest TMR of each field:\n"
            "  field_cm  depth_mm     TMR  line\n";
    for (int j = 1; j <= BeamData::FieldColumns; ++j) {
        const DepthOfMaximum& m = s.maximum[j];
        text += Padded(ShortestDecimal(BeamData::FixedFieldSizes[j]), 10) + Padded(FixedDecimal(m.depthMm, 1), 10) +
                Padded(FixedDecimal(m.tmr, 4), 8) + Padded(std::to_string(m.line), 6) + "\n";
    }

    text += "TPR20,10 of the 10 x 10 cm field: ";
    if (s.tpr2010)
        text += FixedDecimal(*s.tpr2010, 4) + " = TMR " + FixedDecimal(s.tmrAt20, 4) + " at 20 cm (line " +
                std::to_string(s.lineAt20) + ") / TMR " + FixedDecimal(s.tmrAt10, 4) + " at 10 cm (line " +
                std::to_string(s.lineAt10) + ")\n";
    else
        text += "none, TMR(20 cm) / TMR(10 cm) is not a finite number\n";

    text += "PDD of the 10 x 10 cm field at SSD 100 cm: ";
    if (s.pdd)
        text += FixedDecimal(s.pdd->percentAt10, 2) + " % at 10 cm, " + FixedDecimal(s.pdd->percentAt20, 2) +
                " % at 20 cm (maximum at " + std::to_string(s.pdd->maximumMm) + " mm)\n";
    else
        text += "none, the calculation fails\n";

    text += "OCR on the axis (line " + std::to_string(s.axisOcrLine) + "): ";
    for (int k = 1; k <= BeamData::OcrColumns; ++k)
        text += FixedDecimal(s.axisOcr[k], 4) + " at " + std::to_string(15 * (k - 1)) + " cm" +
                (k < BeamData::OcrColumns ? ", " : "\n");
    out << text;
}

void WriteWarnings(const std::vector<BeamDataConcern>& concerns, std::ostream& err) {
    for (const Message& message : ShownConcernMessages(concerns))
        err << Name << "warning: " << EnglishText(message) << '\n';
}

int RunCheckData(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Outcome<Options, int> parsed = ReadCommandOptions(args, {"data"}, Name, Help, out, err);
    if (!parsed) return parsed.error();
    const Outcome<LoadedBeamData, UsageFault> loaded = LoadDataFileOption(*parsed, Name, err);
    if (!loaded) {
        err << Name << loaded.error() << '\n';
        return ExitUsage;
    }

    const BeamDataCheck check = CheckBeamData(loaded->data, loaded->source);
    WriteSummary(loaded->file, check.summary, out);
    WriteWarnings(check.concerns, err);
    return ExitSuccess;
}

const CommandRegistration registration{"check-data", CheckDataUsage, RunCheckData};

}  // namespace
}  // namespace corvane::cli
