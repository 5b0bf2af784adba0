// The shared command-line contract of corvane-chart's commands.
#pragma once

#include "chart/DrawChart.h"
#include "dose/DoseCalculation.h"
#include "state/BeamData.h"
#include "state/Conditions.h"
#include "state/Outcome.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitCalculationFailure = 1;
inline constexpr int ExitUsage = 2;
// Standard output, or the file a command writes, did not receive all of it.
// main reports it for standard output; it wins over any other code.
inline constexpr int ExitOutputFailure = 3;

// The options every calculating command takes; each takes one value.
inline const std::vector<std::string> CalculationOptions{"data",  "setup",  "depth",
                                                         "width", "length", "wedge"};

struct Options {
    std::map<std::string, std::string> values;  // name without "--" -> value
    bool help = false;                          // "--help" was given

    bool has(const std::string& name) const { return values.count(name) != 0; }
    std::string get(const std::string& name, const std::string& fallback) const {
        auto it = values.find(name);
        return it == values.end() ? fallback : it->second;
    }
};

// Bad usage, or a data file that does not load: one line for standard
// error, after the command's prefix ("corvane-chart dose: "); exit 2.
using UsageFault = std::string;

// Each allowed option takes the next argument as its value, even an empty one
// or one that starts with "-". Bad usage: "--opt=value", a repeated or
// unknown option, a missing value, or a stray argument.
Outcome<Options, UsageFault> ParseOptions(const std::vector<std::string>& args,
                                          const std::vector<std::string>& allowed);

// --mesh 0|1 (default 0), for ops and render: MeshMode 1 adds the 1 cm grid.
Outcome<ChartMesh, UsageFault> MeshOption(const Options& options);

// What a calculation is made from: the beam tables and the conditions.
struct CalculationInputs {
    BeamData Beam;
    IrradiationConditions Conditions;
};

// Loads the data file (LoadDataFileOption) and sets the conditions from the
// calculation options, as the conditions window would. A file that loads
// with rows out of place gets a line "<prefix>warning: ..." on `warnings`.
Outcome<CalculationInputs, UsageFault> PrepareCalculation(const Options& options, const std::string& prefix,
                                                          std::ostream& warnings);

// PrepareCalculation, then ComputeDoseGrid, each failure reported on `err`
// as every command reports it: "<prefix><reason>" and exit 2, or the two
// failure messages and exit 1. The fault is that exit code.
Outcome<DoseCalculation, int> PrepareAndComputeDoseGrid(const Options& options, const std::string& prefix,
                                                        std::ostream& err);

// The two failure messages, one per line, in UTF-8.
void WriteFailureMessages(std::ostream& err);

// The text of "--help" for the options every calculating command takes.
std::string CalculationOptionsHelp();

// A command registers itself by defining a static CommandRegistration.
using CommandFunction =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;

struct Command {
    std::string name;
    std::string usage;  // the usage line and description for "--help"
    CommandFunction run;
};

struct CommandRegistration {
    CommandRegistration(std::string name, std::string usage, CommandFunction run);
};

const std::vector<Command>& RegisteredCommands();

}  // namespace corvane::cli
