// The conditions window's Enter on an entry: a value below the entry's range
// (or no number at all) becomes the lower bound's text, then one above it
// the upper bound's; a value within the range stays exactly as typed.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

struct EntryRange {
    double lower;
    std::string_view lowerText;
    double upper;
    std::string_view upperText;
};

// The target depth (cm), and the field width and length at the SAD (cm).
inline constexpr EntryRange DepthEntryRange{1.5, "1.5", 20, "20"};
inline constexpr EntryRange FieldEntryRange{4, "4", 30, "30"};

// Each comparison reads the text by the leading-number rule, the second one
// the text as the first left it.
std::string ClampEntryText(std::string_view text, const EntryRange& range);

}  // namespace corvane
