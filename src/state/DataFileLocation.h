// Where the program finds its beam data file.
#pragma once

#include <filesystem>
#include <vector>

namespace corvane {

inline constexpr const char* BeamDataFileName = "6MVTMROCR.dat";

// The places searched, in order: the working directory, the directory of the
// running executable, and share/corvane/ under the install prefix.
std::vector<std::filesystem::path> BeamDataSearchPaths();

// The first search path that names an existing file; when none does, the
// bare name in the working directory, so that the error names that.
std::filesystem::path LocateBeamDataFile();

}  // namespace corvane
