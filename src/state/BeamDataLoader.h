// Reads the beam data file into a BeamData record.
#pragma once

#include "state/BeamData.h"
#include "state/BeamDataFault.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Where the numbers of the tables stand in the file, and the two columns
// that BeamData does not keep as written: for the plausibility check, which
// names lines, and for the conversion to CSV.
struct BeamDataSource {
    // The line of each number: [i][0] the row's first number (its depth, or
    // its off-axis position), [i][j] that of TmrTable[i][j] or OcrTable[i][j].
    std::array<std::array<int, BeamData::FieldColumns + 1>, BeamData::DepthRows + 1> tmrLines{};
    std::array<std::array<int, BeamData::OcrColumns + 1>, BeamData::OcrRows + 1> ocrLines{};
    std::array<double, BeamData::DepthRows + 1> depthMm{};       // as read; DepthTable is 0.1 x these
    std::array<double, BeamData::OcrRows + 1> offAxisPosition{};  // as read; the model never uses them
};

struct BeamDataLoadResult {
    std::optional<BeamData> data;                   // set only when the whole file was read and checked
    std::optional<BeamDataFault> fault;             // set exactly when data is not
    std::vector<MisplacedOcrRow> misplacedOcrRows;  // loaded, but worth a warning
    BeamDataSource source;                          // filled with data
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
