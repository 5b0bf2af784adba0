// Reads the beam data file into a BeamData record.
#pragma once

#include "state/BeamData.h"
#include "state/BeamDataFault.h"
#include "state/Outcome.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The first bytes of the file's first heading line that are kept: enough
// to name the data, as convert's heading limit allows.
inline constexpr std::size_t BeamDataHeadingKept = 1000;

// Where the numbers of the tables stand in the file, and what BeamData does
// not keep: the two columns as written, for the plausibility check, which
// names lines, and for the conversion to CSV; and the line that names the
// data, for the windows.
struct BeamDataSource {
    // The line of each number: [i][0] the row's first number (its depth, or
    // its off-axis position), [i][j] that of TmrTable[i][j] or OcrTable[i][j].
    std::array<std::array<int, BeamData::FieldColumns + 1>, BeamData::DepthRows + 1> tmrLines{};
    std::array<std::array<int, BeamData::OcrColumns + 1>, BeamData::OcrRows + 1> ocrLines{};
    std::array<double, BeamData::DepthRows + 1> depthMm{};       // as read; DepthTable is 0.1 x these
    std::array<double, BeamData::OcrRows + 1> offAxisPosition{};  // as read; the model never uses them
    std::string heading;  // line 1 as read, without its line end; at most BeamDataHeadingKept bytes
};

// A file that was read whole and checked.
struct LoadedBeamData {
    BeamData data;
    std::vector<MisplacedOcrRow> misplacedOcrRows;  // loaded, but worth a warning
    BeamDataSource source;
    std::string file;  // the file read, as given

    // The English text of the warning; empty when there is none.
    std::string warning() const;
};

// The tables, or why the file did not load (the file's name is in the fault).
using BeamDataLoad = Outcome<LoadedBeamData, BeamDataFault>;

// Parses the first bytes of a file; `moreFollows` says that the file goes on
// past them. `fileName` is only used in messages.
BeamDataLoad ParseBeamData(std::string_view bytes, const std::string& fileName, bool moreFollows = false);

// Reads at most BeamDataSizeLimit bytes of the regular file at `path` and
// parses them.
BeamDataLoad LoadBeamDataFile(const std::filesystem::path& path);

}  // namespace corvane
