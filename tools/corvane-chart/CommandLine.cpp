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

Outcome<Options, UsageFault> ParseOptions(const std::vector<std::string>& args,
                                          const std::vector<std::string>& allowed) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) return Fail("unexpected argument " + QuoteForMessage(arg));
        const std::string name = arg.substr(2);
        if (name.find('=') != std::string::npos)
            return Fail("write the value as a separate argument: " + QuoteForMessage(arg));
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            return Fail("unknown option " + QuoteForMessage(arg));
        if (options.has(name)) return Fail("option " + QuoteForMessage(arg) + " is given twice");
        if (i + 1 >= args.size()) return Fail("option " + QuoteForMessage(arg) + " needs a value");
        options.values[name] = args[++i];
    }
    return options;
}

Outcome<ChartMesh, UsageFault> MeshOption(const Options& options) {
    const std::string mesh = options.get("mesh", "0");
    if (mesh != "0" && mesh != "1") return Fail("--mesh takes 0 or 1, not " + QuoteForMessage(mesh));
    return mesh == "1" ? ChartMesh::OneCm : ChartMesh::FiveCm;
}

Outcome<CalculationInputs, UsageFault> PrepareCalculation(const Options& options, const std::string& prefix,
                                                          std::ostream& warnings) {
    const std::string setup = options.get("setup", "ssd");
    if (setup != "ssd" && setup != "std") return Fail("--setup takes ssd or std, not " + QuoteForMessage(setup));
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
    else
        return Fail("--wedge takes non, 30, 45 or 60, not " + QuoteForMessage(wedge));

    Outcome<LoadedBeamData, UsageFault> loaded = LoadDataFileOption(options, prefix, warnings);
    if (!loaded) return Fail(std::move(loaded.error()));

    // As the start button and the conditions window would leave the state.
    CalculationInputs inputs{std::move(loaded->data), {}};
    inputs.Conditions.Setup = setup == "ssd" ? BeamSetup::Ssd : BeamSetup::Std;
    SelectWedge(inputs.Conditions, wedgeKind);
    ReadConditionEntries(inputs.Conditions, options.get("depth", "5.0"), options.get("width", "10.0"),
                         options.get("length", "10.0"));
    return inputs;
}

Outcome<DoseCalculation, int> PrepareAndComputeDoseGrid(const Options& options, const std::string& prefix,
                                                        std::ostream& err) {
    const Outcome<CalculationInputs, UsageFault> inputs = PrepareCalculation(options, prefix, err);
    if (!inputs) {
        err << prefix << inputs.error() << '\n';
        return Fail(ExitUsage);
    }
    try {
        return ComputeDoseGrid(inputs->Beam, inputs->Conditions);
    } catch (const CalculationFailure&) {
        // The designed failure: its two messages, whatever the cause.
        WriteFailureMessages(err);
        return Fail(ExitCalculationFailure);
    }
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
