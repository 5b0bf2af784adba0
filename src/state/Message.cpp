#include "state/Message.h"

#include "state/MessageText.h"

#include <utility>

namespace corvane {

Message Plain(std::string text) { return Message{{}, std::move(text), {}}; }

Message Worded(std::string_view context, const char* source, std::vector<Message> arguments) {
    return Message{context, source, std::move(arguments)};
}

Message Joined(std::vector<Message> parts) {
    // Places for every part: "%1%2%3...", filled without translation.
    std::string places;
    for (std::size_t k = 1; k <= parts.size(); ++k) {
        places += '%';
        places += std::to_string(k);
    }
    return Message{{}, std::move(places), std::move(parts)};
}

std::string FillPlaces(std::string_view text, const std::vector<std::string>& arguments) {
    std::string filled;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '%' && pos + 1 < text.size() && text[pos + 1] >= '1' && text[pos + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(text[pos + 1] - '1');
            if (index < arguments.size()) {
                filled += arguments[index];
                ++pos;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

std::string EnglishText(const Message& message) { return UserText(message, SourceText); }

namespace message_detail {
std::string Limited(std::string text) { return LimitMessageLength(std::move(text)); }
}  // namespace message_detail

}  // namespace corvane
