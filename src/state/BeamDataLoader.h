// Reads the beam data file into a BeamData record.
#pragma once

#include "state/BeamData.h"
#include "state/BeamDataFault.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct BeamDataLoadResult {
    std::optional<BeamData> data;                   // set only when the whole file was read and checked
    std::optional<BeamDataFault> fault;             // set exactly when data is not
    std::vector<MisplacedOcrRow> misplacedOcrRows;  // loaded, but worth a warning
    std::string file;                               // the file read, as given

    bool ok() const { return data.has_value(); }
    // The English texts of the fault and of the warning (empty when none).
    std::string error() const;
    std::string warning() const;
};

// Parses the first bytes of a file; `moreFollows` says that the file goes on
// past them. `fileName` is only used in messages.
BeamDataLoadResult ParseBeamData(std::string_view bytes, const std::string& fileName,
                                 bool moreFollows = false);

// Reads at most BeamDataSizeLimit bytes of the regular file at `path` and
// parses them.
BeamDataLoadResult LoadBeamDataFile(const std::filesystem::path& path);

}  // namespace corvane
