#include "state/AtomicFileWrite.h"

#include "state/SystemErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Writes all of `bytes`, going on after a signal or a short write.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {  // no progress and no reason: do not spin
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool Sync(int fd) {
    while (::fsync(fd) != 0)
        if (errno != EINTR) return false;
    return true;
}

// The mode the file gets: an existing file keeps its own; a new one gets
// 0666 less the umask, as open(2) would give it. The umask is read from
// /proc, since umask(2) can only read it by changing it for every thread.
mode_t ModeFor(const fs::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
    mode_t mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (unsigned value = 0; std::sscanf(line, "Umask: %o", &value) == 1)
                mask = static_cast<mode_t>(value);
        std::fclose(status);
    }
    return 0666 & ~mask;
}

// The file `path` names through any symbolic links, also when the last link
// names a file that does not exist yet: that file is the one to write.
fs::path FollowLinks(fs::path path) {
    std::error_code ec;
    // Beyond the system's own limit, stat below reports the loop.
    for (int hop = 0; hop < 40 && fs::is_symlink(path, ec); ++hop) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

const char* NotRegularFileKind(mode_t mode) {
    if (S_ISFIFO(mode)) return "a named pipe (FIFO)";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

// Whether what stands at `target` may be replaced (also when nothing stands
// there yet), or why not.
Outcome<void, WriteFault> MayReplace(const fs::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) return {};
        return Fail(WriteFault{SystemErrorText(errno)});
    }
    if (S_ISDIR(info.st_mode)) return Fail(WriteFault{SystemErrorText(EISDIR)});
    // The rename would put a regular file in its place, and a reader of the
    // FIFO or user of the device would never see the bytes.
    if (!S_ISREG(info.st_mode))
        return Fail(WriteFault{std::string("Is ") + NotRegularFileKind(info.st_mode) + ", not a regular file"});
    // The rename needs only the folder's permission; the file's own says
    // whether it may change. A file that grants no one writing was made
    // read-only on purpose, so root, who passes every check, is refused too.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return Fail(WriteFault{SystemErrorText(errno)});
    if ((info.st_mode & 0222) == 0) return Fail(WriteFault{SystemErrorText(EACCES)});
    return {};
}

}  // namespace

Outcome<void, WriteFault> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    // Replace the file a link names, not the link.
    const fs::path target = FollowLinks(path);
    if (auto allowed = MayReplace(target); !allowed) return allowed;

    // The temporary file lies in the target's folder so that the rename
    // stays on one file system and cannot be half done.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string temporary = (folder / ".corvane-XXXXXX").string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return Fail(WriteFault{SystemErrorText(errno)});

    // The mode is set before fsync so that it reaches the disk with the data.
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(target)) == 0 && Sync(fd);
    int error = ok ? 0 : errno;
    // close reports what the file system defers, so its result counts too.
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) return {};
    ::unlink(temporary.c_str());
    return Fail(WriteFault{SystemErrorText(error)});
}

}  // namespace corvane
