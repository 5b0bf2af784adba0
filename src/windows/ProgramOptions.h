// The command line of the desktop program: --help (-h), --version, --lang,
// --data and the options Qt itself takes. The whole of it is read before the
// QApplication exists, so that --help, --version and a mistyped option get
// their answer with no display, never Qt's abort.
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
    std::optional<std::string> dataFile;  // given by --data: the beam data file of this run
    std::string error;                 // for BadUsage: one line
    std::vector<std::string> qtArguments;  // the program name and Qt's own options
};

// Reads --help or -h, --version, --lang VALUE (or --lang=VALUE), --data FILE
// (or --data=FILE), and the
// options of Qt's QGuiApplication and QApplication (-platform NAME,
// -style NAME, -reverse, ...), which are kept for Qt. Anything else is bad
// usage.
ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments);

// "en", "ja" or "default"; empty when the text names no language.
std::optional<Language> LanguageNamed(const std::string& name);
const char* LanguageName(Language language);

// Always in English: the man page is made from them.
std::string ProgramHelpText();
std::string ProgramVersionText();

}  // namespace corvane
