// Text taken from a file or a path, made safe to put into a message: short,
// printable, and unable to steer a terminal or a message box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// No message the program composes is longer than this many characters.
inline constexpr std::size_t MessageCharacterLimit = 300;

// `text` between quotation marks, shortened to at most `maxCharacters`
// characters (escapes counted as written) followed by "…". Control
// characters, invisible format characters and bytes that are not UTF-8 are
// written as \xHH or \uHHHH; a quotation mark as \" and a backslash as \\.
std::string QuoteForMessage(std::string_view text, std::size_t maxCharacters = 40);

// A file path, escaped as above and shortened in the middle ("…") to at most
// `maxCharacters` characters, so that both its start and its file name show.
std::string PathForMessage(std::string_view path, std::size_t maxCharacters = 60);

// The characters of UTF-8 text, counted as LimitMessageLength counts them.
std::size_t MessageLength(std::string_view message);

// Cuts UTF-8 text to at most `limit` characters, never inside one, ending it
// with "…" when it was longer.
std::string LimitMessageLength(std::string message, std::size_t limit = MessageCharacterLimit);

}  // namespace corvane
