// Reads the start of a regular file, never more than a set number of bytes,
// and never waits: a FIFO, a device or a folder is turned away before any
// byte is read.
#pragma once

#include "state/Outcome.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace corvane {

enum class FileType { Regular, Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

enum class FileReadFailure {
    Missing,     // no such file (ENOENT)
    NotRegular,  // it exists but is not a regular file; see `type`
    CannotOpen,  // any other reason the system gives; see `systemError`
    ReadFailed,  // opened, but reading failed; see `systemError`
};

struct FileReadFault {
    FileReadFailure failure = FileReadFailure::CannotOpen;
    FileType type = FileType::Regular;  // what the path names, for NotRegular
    int systemError = 0;                // errno of the failing call
};

struct FileBytes {
    std::string bytes;         // at most `limit` bytes from the start of the file
    bool moreFollows = false;  // the file goes on past `limit`
};

// Opens `path` without blocking (a FIFO with no writer would otherwise hang
// the open), checks that it is a regular file, and reads up to `limit` bytes.
Outcome<FileBytes, FileReadFault> ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace corvane
