#include "state/DataFileLocation.h"

#include <system_error>

#ifndef CORVANE_INSTALL_DATADIR
#define CORVANE_INSTALL_DATADIR "/usr/local/share/corvane"
#endif

namespace corvane {

namespace fs = std::filesystem;

std::vector<fs::path> BeamDataSearchPaths() {
    // The working directory comes first, as it always has. Beside the
    // executable and under the install prefix are an extension, so that a
    // program started from a menu or from the build tree finds its data too.
    std::vector<fs::path> paths{fs::path(BeamDataFileName)};
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path dir = executable.parent_path();
        paths.push_back(dir / BeamDataFileName);
        paths.push_back(dir.parent_path() / "share" / "corvane" / BeamDataFileName);
    }
    paths.push_back(fs::path(CORVANE_INSTALL_DATADIR) / BeamDataFileName);
    return paths;
}

fs::path LocateBeamDataFile() {
    for (const fs::path& candidate : BeamDataSearchPaths()) {
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) return candidate;
    }
    return fs::path(BeamDataFileName);
}

}  // namespace corvane
