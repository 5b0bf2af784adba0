#include "CommandLine.h"

#include "DataFileOption.h"

#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "state/MessageText.h"
#include "state/WedgeOptions.h"

#include <algorithm>
#include <ostream>

namespace corvane::cli {

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed) {
    ParsedOptions result;
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            result.help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            result.error = "unexpected argument " + QuoteForMessage(arg);
            return result;
        }
        const std::string name = arg.substr(2);
        if (name.find('=') != std::string::npos) {
            result.error = "write the value as a separate argument: " + QuoteForMessage(arg);
            return result;
        }
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            result.error = "unknown option " + QuoteForMessage(arg);
            return result;
        }
        if (options.has(name)) {
            result.error = "option " + QuoteForMessage(arg) + " is given twice";
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = "option " + QuoteForMessage(arg) + " needs a value";
            return result;
        }
        options.values[name] = args[++i];
    }
    result.options = std::move(options);
    return result;
}

int PrepareCalculation(const Options& options, CalculationInputs& inputs, const std::string& prefix,
                       std::string& error, std::ostream& warnings) {
    const std::string setup = options.get("setup", "ssd");
    if (setup != "ssd" && setup != "std") {
        error = "--setup takes ssd or std, not " + QuoteForMessage(setup);
        return ExitUsage;
    }
    const std::string wedge = options.get("wedge", "non");
    WedgeFilter wedgeKind = WedgeFilter::None;
    if (wedge == "non")
        wedgeKind = WedgeFilter::None;
    else if (wedge == "30")
        wedgeKind = WedgeFilter::Deg30;
    else if (wedge == "45")
        wedgeKind = WedgeFilter::Deg45;
    else if (wedge == "60")
        wedgeKind = WedgeFilter::Deg60;
    else {
        error = "--wedge takes non, 30, 45 or 60, not " + QuoteForMessage(wedge);
        return ExitUsage;
    }

    const std::filesystem::path dataPath =
        options.has("data") ? std::filesystem::path(options.get("data", "")) : LocateBeamDataFile();
    BeamDataLoadResult loaded = LoadBeamDataFile(dataPath);
    if (!loaded.ok()) {
        error = loaded.error();
        return ExitUsage;
    }
    if (!loaded.misplacedOcrRows.empty()) warnings << prefix << "warning: " << loaded.warning() << '\n';

    // As the start button and the conditions window would leave the state.
    inputs.Beam = *loaded.data;
    inputs.Conditions.Setup = setup == "ssd" ? BeamSetup::Ssd : BeamSetup::Std;
    SelectWedge(inputs.Conditions, wedgeKind);
    ReadConditionEntries(inputs.Conditions, options.get("depth", "5.0"), options.get("width", "10.0"),
                         options.get("length", "10.0"));
    return ExitSuccess;
}

int PrepareAndComputeDoseGrid(const Options& options, std::optional<DoseCalculation>& result,
                              const std::string& prefix, std::ostream& err) {
    std::string error;
    CalculationInputs inputs;
    if (const int code = PrepareCalculation(options, inputs, prefix, error, err); code != ExitSuccess) {
        err << prefix << error << '\n';
        return code;
    }
    try {
        result.emplace(ComputeDoseGrid(inputs.Beam, inputs.Conditions));
    } catch (const CalculationFailure&) {
        WriteFailureMessages(err);
        return ExitCalculationFailure;
    }
    return ExitSuccess;
}

void WriteFailureMessages(std::ostream& err) {
    err << FailureMessageFirst << '\n' << FailureMessageSecond << '\n';
}

std::string CalculationOptionsHelp() {
    return DataOptionHelp() +
           "  --setup ssd|std      SSD = 100 cm or STD = 100 cm (default ssd)\n"
           "  --depth TEXT         depth of target in cm (default \"5.0\")\n"
           "  --width TEXT         field width at SAD in cm (default \"10.0\")\n"
           "  --length TEXT        field length at SAD in cm (default \"10.0\")\n"
           "  --wedge non|30|45|60\n"
           "                       wedge filter (default non)\n"
           "  Each option takes the next argument as its value, even an empty one or one\n"
           "  that starts with \"-\". TEXT is read like an entry of the conditions window:\n"
           "  the number at its start, \".\" as decimal point, 0 when there is none.\n";
}

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

CommandRegistration::CommandRegistration(std::string name, std::string usage, CommandFunction run) {
    registry().push_back({std::move(name), std::move(usage), std::move(run)});
}

const std::vector<Command>& RegisteredCommands() { return registry(); }

}  // namespace corvane::cli
