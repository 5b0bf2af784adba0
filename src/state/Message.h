// A message Corvane words itself, kept as data: the English source text with
// numbered places (%1, %2, ...) and what goes into them. Each front end turns
// it into text its own way: the headless tool in English (EnglishText), the
// windows through Qt's catalogs, the browser through the same catalogs as
// JSON. The source texts are marked with CORVANE_TRANSLATE_NOOP, which
// lupdate reads as QT_TRANSLATE_NOOP (scripts/update-translations.sh), so
// that every one of them has its entry in the catalogs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks `text` as a source text of the catalogs' `context`; the core has no Qt.
#define CORVANE_TRANSLATE_NOOP(context, text) text

namespace corvane {

struct Message {
    // The catalogs' context of `text`, such as "BeamDataMessages"; empty
    // for text that is shown as it is (a path made safe, a number).
    std::string_view context;
    // The source text (or the plain text); its places %1 .. %9 are filled
    // from `arguments` in one pass, so a '%' inside an argument stays.
    std::string text;
    std::vector<Message> arguments;
};

// Text shown as it is, with no places.
Message Plain(std::string text);
// A marked source text, with the messages for its places.
Message Worded(std::string_view context, const char* source, std::vector<Message> arguments = {});
// Parts put one after the other, each translated on its own.
Message Joined(std::vector<Message> parts);

// `text` with %1 .. %9 replaced by `arguments` in one pass.
std::string FillPlaces(std::string_view text, const std::vector<std::string>& arguments);

// The message with every source text passed through `translate(context,
// source)` (which gives the text to show, as UTF-8), and the places filled.
// Shown to a user, it is cut to MessageCharacterLimit (UserText).
template <class Translate>
std::string MessageText(const Message& message, const Translate& translate);

// MessageText, at most MessageCharacterLimit characters.
template <class Translate>
std::string UserText(const Message& message, const Translate& translate);

// The English of the sources, for `translate`.
inline std::string SourceText(std::string_view /*context*/, const std::string& source) { return source; }

// UserText in English, as the sources word it.
std::string EnglishText(const Message& message);

namespace message_detail {
std::string Limited(std::string text);
}  // namespace message_detail

template <class Translate>
std::string MessageText(const Message& message, const Translate& translate) {
    struct Render {
        const Translate& translate;
        std::string operator()(const Message& m) const {
            const std::string text = m.context.empty() ? m.text : std::string(translate(m.context, m.text));
            if (m.arguments.empty()) return text;
            std::vector<std::string> filled;
            filled.reserve(m.arguments.size());
            for (const Message& argument : m.arguments) filled.push_back((*this)(argument));
            return FillPlaces(text, filled);
        }
    };
    return Render{translate}(message);
}

template <class Translate>
std::string UserText(const Message& message, const Translate& translate) {
    return message_detail::Limited(MessageText(message, translate));
}

}  // namespace corvane
