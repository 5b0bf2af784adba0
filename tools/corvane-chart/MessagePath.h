// A file path made fit for a one-line message of the tool.
#pragma once

#include <string>
#include <string_view>

namespace corvane::cli {

// The path with each control character (C0, DEL, C1) and each byte that is
// not UTF-8 written as \xHH, shortened in the middle with "…" to at most
// MessagePathLength characters, so that a path cannot break the line nor
// drive the terminal nor bury the reason. Kept small and local to the tool
// until the program has one sanitizer for all its message texts.
inline constexpr std::size_t MessagePathLength = 60;
std::string MessagePath(std::string_view path);

} // namespace corvane::cli
