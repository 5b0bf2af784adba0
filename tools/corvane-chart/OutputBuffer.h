// The buffer behind the commands' standard output.
#pragma once

#include <streambuf>
#include <vector>

namespace corvane::cli {

// Writes to a file descriptor with write(2) and keeps the errno of the first
// write that fails, so that the report at the end gives the system's real
// reason whatever ran in between. After a failure everything further is
// dropped and the stream that uses this buffer goes bad.
class OutputBuffer : public std::streambuf {
public:
    explicit OutputBuffer(int fd);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // errno of the first failed write; 0 while every write succeeded.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool writeAll(const char* data, std::size_t size);
    bool drain();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

}  // namespace corvane::cli
