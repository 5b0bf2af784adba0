#include "DataFileOption.h"

#include "state/DataFileLocation.h"

#include <ostream>

namespace corvane::cli {

std::string DataOptionHelp() {
    return "  --data FILE          beam data file (default: 6MVTMROCR.dat in the working\n"
           "                       folder, else beside the program, else share/corvane)\n";
}

Outcome<LoadedBeamData, UsageFault> LoadDataFileOption(const Options& options, const std::string& prefix,
                                                       std::ostream& warnings) {
    const std::filesystem::path path =
        options.has("data") ? std::filesystem::path(options.get("data", "")) : LocateBeamDataFile();
    BeamDataLoad loaded = LoadBeamDataFile(path);
    if (!loaded) return Fail(DescribeBeamDataFault(loaded.error()));
    if (!loaded->misplacedOcrRows.empty()) warnings << prefix << "warning: " << loaded->warning() << '\n';
    return std::move(*loaded);
}

}  // namespace corvane::cli
