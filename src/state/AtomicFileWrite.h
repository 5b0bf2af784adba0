// Writing a file whole or not at all.
#pragma once

#include "state/Outcome.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// Writes `bytes` to a temporary file in the folder of `path`, forces it to
// the disk and renames it over `path`, so that `path` holds either all of
// the bytes or, on any failure, what it held before (or nothing). A new file
// gets the permissions 0666 less the umask; a replaced one keeps its own.
// A symbolic link at `path` is followed: the file it names is written (made
// when missing), the link stays. Only a regular file that the user may write
// is replaced: a folder, FIFO, device or socket, or a read-only file (one
// without any write permission, even for root), is refused and left as it
// is. A file with other hard links is replaced, not written through: the
// other names keep the old contents.
// Why a file was not written: the system's reason in English, e.g. "No
// space left on device". No temporary file is left behind.
struct WriteFault {
    std::string reason;
};
Outcome<void, WriteFault> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace corvane
