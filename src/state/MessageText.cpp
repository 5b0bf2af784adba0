#include "state/MessageText.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view Ellipsis = "\xE2\x80\xA6";  // …

// Decodes one UTF-8 character at `pos`; returns its length in bytes, or 0
// when the bytes there are not valid UTF-8 (overlong forms and surrogates
// included).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

// Characters that would act instead of showing: C0 and C1 controls, DEL,
// and the invisible format characters that reorder or hide text.
bool ActsInsteadOfShowing(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

// The text as a list of printable pieces, one per character or escape, so
// that shortening never cuts an escape or a character in two.
std::vector<std::string> PrintablePieces(std::string_view text) {
    std::vector<std::string> pieces;
    char escape[16];
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(text, pos, c);
        if (length == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[pos]));
            pieces.emplace_back(escape);
            ++pos;
            continue;
        }
        if (c < 0x80 && ActsInsteadOfShowing(c)) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(c));
            pieces.emplace_back(escape);
        } else if (ActsInsteadOfShowing(c)) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            pieces.emplace_back(escape);
        } else if (c == '"' || c == '\\') {
            pieces.push_back(std::string("\\") + static_cast<char>(c));
        } else {
            pieces.emplace_back(text.substr(pos, length));
        }
        pos += length;
    }
    return pieces;
}

// Characters of a piece as the reader sees them: an escape counts as written.
std::size_t Width(const std::string& piece) {
    return piece.size() > 1 && piece[0] == '\\' ? piece.size() : 1;
}

}  // namespace

std::string QuoteForMessage(std::string_view text, std::size_t maxCharacters) {
    std::string quoted = "\"";
    std::size_t used = 0;
    for (const std::string& piece : PrintablePieces(text)) {
        if (used + Width(piece) > maxCharacters) {
            quoted += Ellipsis;
            break;
        }
        quoted += piece;
        used += Width(piece);
    }
    return quoted + "\"";
}

std::string PathForMessage(std::string_view path, std::size_t maxCharacters) {
    const std::vector<std::string> pieces = PrintablePieces(path);
    std::size_t total = 0;
    for (const std::string& piece : pieces) total += Width(piece);

    std::string shown;
    if (total <= maxCharacters) {
        for (const std::string& piece : pieces) shown += piece;
        return shown;
    }
    // Half the room for the start, the rest for the end (the file name).
    const std::size_t room = maxCharacters > 1 ? maxCharacters - 1 : 0;
    const std::size_t headRoom = room / 2;
    std::size_t used = 0;
    std::size_t first = 0;
    for (; first < pieces.size() && used + Width(pieces[first]) <= headRoom; ++first) {
        shown += pieces[first];
        used += Width(pieces[first]);
    }
    std::size_t last = pieces.size();
    std::size_t tailUsed = 0;
    while (last > first && used + tailUsed + Width(pieces[last - 1]) <= room) {
        --last;
        tailUsed += Width(pieces[last]);
    }
    shown += Ellipsis;
    for (std::size_t k = last; k < pieces.size(); ++k) shown += pieces[k];
    return shown;
}

std::size_t MessageLength(std::string_view message) {
    std::size_t characters = 0;
    for (const char byte : message) characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return characters;
}

std::string LimitMessageLength(std::string message, std::size_t limit) {
    // Each character begins with a byte that is not a continuation byte.
    auto startsCharacter = [&](std::size_t pos) {
        return (static_cast<unsigned char>(message[pos]) & 0xC0) != 0x80;
    };
    std::size_t characters = 0;
    std::size_t keepUpTo = 0;  // the end of the first limit - 1 characters
    for (std::size_t pos = 0; pos < message.size(); ++pos) {
        if (!startsCharacter(pos)) continue;
        if (++characters == limit) keepUpTo = pos;
        if (characters > limit) {
            // Keep limit - 1 characters and add the ellipsis.
            message.resize(limit == 0 ? 0 : keepUpTo);
            return message + std::string(Ellipsis);
        }
    }
    return message;
}

}  // namespace corvane
