// Writing a file whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Writes `bytes` to a temporary file in the folder of `path`, forces it to
// the disk and renames it over `path`, so that `path` holds either all of
// the bytes or, on any failure, what it held before (or nothing). The new
// file gets the permissions 0666 less the umask. A symbolic link at `path`
// to an existing file is followed: that file is replaced, the link stays.
// Returns nothing on success, else the system's reason in English, e.g. "No
// space left on device"; no temporary file is left behind.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace corvane
