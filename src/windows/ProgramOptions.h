// The command line of the desktop program: --help, --version and --lang.
// It is read before the QApplication exists, so that --help and --version
// work with no display; everything else is left to Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The languages of the windows: the designed mix of English and Japanese,
// all English, or all Japanese.
enum class Language { Default, English, Japanese };

struct ProgramOptions {
    enum class Action { Run, ShowHelp, ShowVersion, BadUsage };
    Action action = Action::Run;
    std::optional<Language> language;  // given by --lang on this start
    std::string error;                 // for BadUsage: one line
    std::vector<std::string> qtArguments;  // the program name and what Qt should see
};

// Reads --help, --version and --lang VALUE (or --lang=VALUE); other
// arguments are kept for Qt, which takes its own and leaves the rest.
ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments);

// "en", "ja" or "default"; empty when the text names no language.
std::optional<Language> LanguageNamed(const std::string& name);
const char* LanguageName(Language language);

// Always in English: the man page is made from them.
std::string ProgramHelpText();
std::string ProgramVersionText();

}  // namespace corvane
