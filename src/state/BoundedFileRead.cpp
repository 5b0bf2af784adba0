#include "state/BoundedFileRead.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

FileType TypeOf(mode_t mode) {
    if (S_ISREG(mode)) return FileType::Regular;
    if (S_ISDIR(mode)) return FileType::Folder;
    if (S_ISFIFO(mode)) return FileType::Fifo;
    if (S_ISCHR(mode)) return FileType::CharacterDevice;
    if (S_ISBLK(mode)) return FileType::BlockDevice;
    if (S_ISSOCK(mode)) return FileType::Socket;
    return FileType::Other;
}

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Outcome<FileBytes, FileReadFault> ReadRegularFile(const std::filesystem::path& path, std::size_t limit) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        return Fail(FileReadFault{error == ENOENT ? FileReadFailure::Missing : FileReadFailure::CannotOpen,
                                  FileType::Regular, error});
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Fail(FileReadFault{FileReadFailure::CannotOpen, FileType::Regular, errno});
    const FileType type = TypeOf(info.st_mode);
    if (type != FileType::Regular) return Fail(FileReadFault{FileReadFailure::NotRegular, type, 0});

    // One byte more than the limit tells whether the file goes on.
    FileBytes read;
    std::string& bytes = read.bytes;
    bytes.resize(limit + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Fail(FileReadFault{FileReadFailure::ReadFailed, type, errno});
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    read.moreFollows = filled > limit;
    bytes.resize(filled > limit ? limit : filled);
    return read;
}

}  // namespace corvane
