// The data file of the commands that read the tables without calculating.
#pragma once

#include "CommandLine.h"

#include "state/BeamDataLoader.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace corvane::cli {

// The "--help" lines of --data, for every command that takes it.
std::string DataOptionHelp();

// Loads the file --data names, or the one the program finds, as every
// command does: the tables, or why the file does not load, in English.
// Rows out of place that the loader warns about go to `warnings` as
// "<prefix>warning: ...".
Outcome<LoadedBeamData, UsageFault> LoadDataFileOption(const Options& options, const std::string& prefix,
                                                       std::ostream& warnings);

}  // namespace corvane::cli
