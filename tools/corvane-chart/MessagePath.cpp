#include "MessagePath.h"

#include <vector>

namespace corvane::cli {

namespace {

std::string Escaped(std::string_view bytes) {
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char byte : bytes) text += {'\\', 'x', hex[byte >> 4], hex[byte & 15]};
    return text;
}

// The length of the UTF-8 character at the start of `text`, or 0 when it is
// not one (bad lead or continuation byte, overlong form, surrogate, beyond
// U+10FFFF, or cut short).
std::size_t CharacterLength(std::string_view text) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (text.size() < length || at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF) return 0;
    return length;
}

} // namespace

std::string MessagePath(std::string_view path) {
    // One piece per character as it will be shown.
    std::vector<std::string> pieces;
    std::size_t shownLength = 0;
    while (!path.empty()) {
        const std::size_t length = CharacterLength(path);
        const unsigned char lead = static_cast<unsigned char>(path[0]);
        const bool control = lead < 0x20 || lead == 0x7F ||
                             (lead == 0xC2 && length == 2 && static_cast<unsigned char>(path[1]) < 0xA0);
        const std::size_t taken = length == 0 ? 1 : length;
        pieces.push_back(control || length == 0 ? Escaped(path.substr(0, taken))
                                                : std::string(path.substr(0, taken)));
        shownLength += control || length == 0 ? 4 * taken : 1;
        path.remove_prefix(taken);
    }
    const auto width = [](const std::string& piece) {
        return piece[0] == '\\' ? piece.size() : std::size_t{1};
    };

    std::string text;
    if (shownLength <= MessagePathLength) {
        for (const auto& piece : pieces) text += piece;
        return text;
    }
    // The end names the file, so it gets the larger half.
    const std::size_t headBudget = (MessagePathLength - 1) / 2;
    const std::size_t tailBudget = MessagePathLength - 1 - headBudget;
    std::size_t head = 0, used = 0;
    while (used + width(pieces[head]) <= headBudget) used += width(pieces[head++]);
    std::size_t tail = pieces.size();
    used = 0;
    while (used + width(pieces[tail - 1]) <= tailBudget) used += width(pieces[--tail]);
    for (std::size_t i = 0; i < head; ++i) text += pieces[i];
    text += "…";
    for (std::size_t i = tail; i < pieces.size(); ++i) text += pieces[i];
    return text;
}

} // namespace corvane::cli
