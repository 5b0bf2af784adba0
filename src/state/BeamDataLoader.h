// Reads the beam data file into a BeamData record.
#pragma once

#include "state/BeamData.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

namespace corvane {

struct BeamDataLoadResult {
    std::optional<BeamData> data;  // set only when the whole file was read and checked
    std::string error;             // plain English; names the file, the line and the fault

    bool ok() const { return data.has_value(); }
};

// Parses the stream; `fileName` is only used in messages.
BeamDataLoadResult ParseBeamData(std::istream& in, const std::string& fileName);

// Opens and parses the file at `path`.
BeamDataLoadResult LoadBeamDataFile(const std::filesystem::path& path);

} // namespace corvane
