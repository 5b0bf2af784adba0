// corvane-chart profile: one column or one row of the dose grid as CSV, the
// numbers the profiles window plots.
#include "CommandLine.h"

#include "chart/ProfileTable.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/MessageText.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>

namespace corvane::cli {
namespace {

constexpr const char* Name = "corvane-chart profile: ";

const char* const ProfileUsage =
    "  profile --axis depth|lateral --at N [OPTIONS]\n"
    "                       writes one profile of the dose grid as CSV: the header\n"
    "                       position_mm,dose_percent, then one line per millimetre with\n"
    "                       100 x DoseGrid as %.17g. --axis depth: the depth dose at N mm\n"
    "                       off axis (N = -250..250), depths 0..250 mm; --axis lateral:\n"
    "                       the lateral profile at depth N mm (N = 0..250), positions\n"
    "                       -250..250 mm\n";

std::string Help() {
    return "Usage: corvane-chart profile --axis depth|lateral --at N [OPTIONS]\n\n" +
           std::string(ProfileUsage) + "\nOptions:\n" + CalculationOptionsHelp() +
           "  --axis depth|lateral the profile's direction (required)\n"
           "  --at N               where it runs, in whole millimetres (required): the\n"
           "                       off-axis position for depth, the depth for lateral\n"
           "\nExit codes: 0 success; 1 the calculation failed (nothing on standard output,\n"
           "the two messages on standard error); 2 bad usage, or a data file that does not\n"
           "load; 3 the output could not be written.\n";
}

// A whole number in plain digits, with a leading "-" when negative, between
// `lowest` and `highest`.
std::optional<int> ParseWholeMillimetres(const std::string& text, int lowest, int highest) {
    const std::size_t digitsFrom = !text.empty() && text.front() == '-' ? 1 : 0;
    const std::string digits = text.substr(digitsFrom);
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int value = (digitsFrom == 1 ? -1 : 1) * std::stoi(digits);
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

// Reads --axis and --at before anything is loaded.
Outcome<ProfileLine, UsageFault> ReadRequest(const Options& options) {
    if (!options.has("axis")) return Fail(std::string("--axis depth|lateral is required"));
    const std::string axis = options.get("axis", "");
    if (axis != "depth" && axis != "lateral") return Fail("--axis takes depth or lateral, not " + QuoteForMessage(axis));
    ProfileLine request;
    request.axis = axis == "depth" ? ProfileAxis::Depth : ProfileAxis::Lateral;
    if (!options.has("at")) return Fail(std::string("--at N is required"));
    const std::string at = options.get("at", "");
    const bool depth = request.axis == ProfileAxis::Depth;
    const std::optional<int> value =
        depth ? ParseWholeMillimetres(at, -AxisColumn, LastChartColumn - AxisColumn)
              : ParseWholeMillimetres(at, 0, LastComputedRow);
    if (!value)
        return Fail(std::string(depth ? "--at takes the off-axis position in whole mm from -250 to 250, not "
                                      : "--at takes the depth in whole mm from 0 to 250, not ") +
                    QuoteForMessage(at));
    request.at = *value;
    return request;
}

void WriteProfile(const DoseMatrix& grid, const ProfileLine& line, std::ostream& out) {
    const ProfileTableLayout layout;
    std::string text = ProfileTableHeader(layout);
    AppendProfileRows(text, layout, line, grid);
    out << text;
}

int RunProfile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> allowed = CalculationOptions;
    allowed.insert(allowed.end(), {"axis", "at"});
    const Outcome<Options, UsageFault> parsed = ParseOptions(args, allowed);
    if (!parsed) {
        err << Name << parsed.error() << '\n';
        return ExitUsage;
    }
    if (parsed->help) {
        out << Help();
        return ExitSuccess;
    }
    const Outcome<ProfileLine, UsageFault> request = ReadRequest(*parsed);
    if (!request) {
        err << Name << request.error() << '\n';
        return ExitUsage;
    }

    const Outcome<DoseCalculation, int> result = PrepareAndComputeDoseGrid(*parsed, Name, err);
    if (!result) return result.error();
    WriteProfile(result->DoseGrid, *request, out);
    return ExitSuccess;
}

const CommandRegistration registration{"profile", ProfileUsage, RunProfile};

}  // namespace
}  // namespace corvane::cli
