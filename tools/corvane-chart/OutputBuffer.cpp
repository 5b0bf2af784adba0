#include "OutputBuffer.h"

#include <cerrno>
#include <unistd.h>

namespace corvane::cli {

OutputBuffer::OutputBuffer(int fd) : fd_(fd), buffer_(std::size_t{1} << 16) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool OutputBuffer::writeAll(const char* data, std::size_t size) {
    if (error_ != 0) return false;
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        if (written == 0) {  // no progress and no reason: do not spin
            error_ = EIO;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputBuffer::drain() {
    const bool ok = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return ok;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize OutputBuffer::xsputn(const char* data, std::streamsize size) {
    if (size <= epptr() - pptr()) {
        traits_type::copy(pptr(), data, static_cast<std::size_t>(size));
        pbump(static_cast<int>(size));
        return size;
    }
    // A large piece, such as the whole dose matrix, goes out directly.
    if (!drain() || !writeAll(data, static_cast<std::size_t>(size))) return 0;
    return size;
}

int OutputBuffer::sync() { return drain() ? 0 : -1; }

}  // namespace corvane::cli
