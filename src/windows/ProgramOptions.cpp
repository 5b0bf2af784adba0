#include "windows/ProgramOptions.h"

#include "state/MessageText.h"

#include <version/Version.h>

namespace corvane {

std::optional<Language> LanguageNamed(const std::string& name) {
    if (name == "default") return Language::Default;
    if (name == "en") return Language::English;
    if (name == "ja") return Language::Japanese;
    return std::nullopt;
}

const char* LanguageName(Language language) {
    switch (language) {
    case Language::English: return "en";
    case Language::Japanese: return "ja";
    case Language::Default: break;
    }
    return "default";
}

ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    auto badUsage = [&](std::string error) {
        options.action = ProgramOptions::Action::BadUsage;
        options.error = std::move(error);
        return options;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (i == 0) {
            options.qtArguments.push_back(argument);
        } else if (argument == "--help") {
            // The first of --help and --version wins; nothing else is read.
            if (options.action == ProgramOptions::Action::Run) options.action = ProgramOptions::Action::ShowHelp;
        } else if (argument == "--version") {
            if (options.action == ProgramOptions::Action::Run) options.action = ProgramOptions::Action::ShowVersion;
        } else if (argument == "--lang" || argument.rfind("--lang=", 0) == 0) {
            std::string value;
            if (argument == "--lang") {
                if (i + 1 >= arguments.size()) return badUsage("--lang needs a value: en, ja or default");
                value = arguments[++i];
            } else {
                value = argument.substr(7);
            }
            const std::optional<Language> language = LanguageNamed(value);
            if (!language) return badUsage("--lang takes en, ja or default, not " + QuoteForMessage(value));
            options.language = language;
        } else {
            options.qtArguments.push_back(argument);
        }
    }
    return options;
}

std::string ProgramHelpText() {
    return "Usage: corvane [OPTIONS]\n"
           "\n"
           "Computes the dose of a 6 MV photon beam (SAD 100 cm) in a 25 cm water phantom\n"
           "from measured TMR and OCR tables, with inverse square and a lead wedge model,\n"
           "at every millimetre of the plane through the beam axis; draws the isodose\n"
           "curves from 10 % to 200 % of the target dose, reads the dose under the cursor\n"
           "and prints a true-scale chart. For teaching and for checking a plan by hand;\n"
           "not a clinical treatment planning system.\n"
           "\n"
           "Options:\n"
           "  --lang en|ja|default  the language of the windows: English, Japanese, or\n"
           "                        the designed mix of both; remembered for the next start\n"
           "  --help                show this help and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "The beam data file 6MVTMROCR.dat is read from the working folder, else from\n"
           "beside the program, else from share/corvane under the install prefix.\n"
           "The dose grid, the chart and the printed page can also be made without windows\n"
           "with corvane-chart(1).\n";
}

std::string ProgramVersionText() { return "corvane " CORVANE_VERSION "\n" CORVANE_COPYRIGHT_LINES; }

}  // namespace corvane
