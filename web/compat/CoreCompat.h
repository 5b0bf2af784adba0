// Until the core builds with em++ 3.1.6 on its own: std::bit_cast and the
// floating-point std::to_chars that its libc++ lacks, forced into every core
// file of the browser build.
#pragma once
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <version>
#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
To bit_cast(const From& from) noexcept {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}
}  // namespace std
#endif
namespace std {
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision) {
    char buffer[400];
    const char* pattern = format == chars_format::fixed ? "%.*f" : format == chars_format::scientific ? "%.*e" : "%.*g";
    const int n = std::snprintf(buffer, sizeof buffer, pattern, precision, value);
    if (n < 0 || n > last - first) return {last, errc::value_too_large};
    std::memcpy(first, buffer, static_cast<size_t>(n));
    return {first + n, errc{}};
}
inline to_chars_result to_chars(char* first, char* last, double value) {
    char buffer[64];
    for (int p = 1; p <= 17; ++p) {
        std::snprintf(buffer, sizeof buffer, "%.*g", p, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    const size_t n = std::strlen(buffer);
    if (static_cast<ptrdiff_t>(n) > last - first) return {last, errc::value_too_large};
    std::memcpy(first, buffer, n);
    return {first + n, errc{}};
}
}  // namespace std
