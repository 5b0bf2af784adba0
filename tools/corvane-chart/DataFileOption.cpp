#include "DataFileOption.h"

#include "state/DataFileLocation.h"

#include <ostream>

namespace corvane::cli {

std::string DataOptionHelp() {
    return "  --data FILE          beam data file (default: 6MVTMROCR.dat in the working\n"
           "                       folder, else beside the program, else share/corvane)\n";
}

std::optional<BeamDataLoadResult> LoadDataFileOption(const Options& options, const std::string& prefix,
                                                     std::ostream& err) {
    const std::filesystem::path path =
        options.has("data") ? std::filesystem::path(options.get("data", "")) : LocateBeamDataFile();
    BeamDataLoadResult loaded = LoadBeamDataFile(path);
    if (!loaded.ok()) {
        err << prefix << loaded.error() << '\n';
        return std::nullopt;
    }
    if (!loaded.misplacedOcrRows.empty()) err << prefix << "warning: " << loaded.warning() << '\n';
    return loaded;
}

}  // namespace corvane::cli
