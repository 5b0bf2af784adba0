// The language of the windows: given on the command line or remembered from
// the last start, and put in place through Qt's translators.
//
// The texts of the code are the designed ones (English captions, Japanese
// headings and explanations), and English for the messages Corvane adds
// itself. translations/corvane_en.ts turns everything into English and
// corvane_ja.ts everything into Japanese. The designed mix (Default) keeps the
// code's texts, except that the messages Corvane adds itself, whose contexts'
// names end in "Messages", are answered from the Japanese catalog, like the
// designed messages around them.
#pragma once

#include "windows/ProgramOptions.h"

#include <optional>

class QSettings;

namespace corvane {

// The key of the choice in the program's settings; its values are those of
// LanguageName ("en", "ja", "default").
inline constexpr const char* LanguageSettingKey = "language";

// The language given on this start is remembered and used (a line on
// standard error when it could not be saved); without one, the remembered
// choice, or Default when none (or none known) is remembered.
Language ResolveLanguage(QSettings& settings, std::optional<Language> given);

// Installs the translators of `language` in the application, in place of
// those of an earlier call. Needs the QCoreApplication; windows made
// afterwards show their texts in that language.
void InstallLanguage(Language language);

// The language installed last; Default before any.
Language InstalledLanguage();

}  // namespace corvane
