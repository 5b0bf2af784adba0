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
// command does. A file that does not load is reported on `err` as
// "<prefix><reason>" and gives nothing; rows out of place that the loader
// warns about go to `err` as "<prefix>warning: ...".
std::optional<BeamDataLoadResult> LoadDataFileOption(const Options& options, const std::string& prefix,
                                                     std::ostream& err);

}  // namespace corvane::cli
