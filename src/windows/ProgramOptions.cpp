#include "windows/ProgramOptions.h"

#include "state/MessageText.h"

#include <version/Version.h>

#include <string_view>

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

namespace {

// The options Qt 6 reads from the command line on Linux, as documented for
// QGuiApplication and QApplication; Qt takes each with "-" or "--".
// These take the next argument as their value.
constexpr std::string_view QtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
// These stand alone.
constexpr std::string_view QtFlags[] = {"reverse", "widgetcount"};
// These carry their value after "=".
constexpr std::string_view QtOptionsWithAttachedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool Names(const std::string_view (&names)[N], std::string_view name) {
    for (std::string_view known : names)
        if (name == known) return true;
    return false;
}

template <std::size_t N>
bool Prefixes(const std::string_view (&prefixes)[N], std::string_view name) {
    for (std::string_view prefix : prefixes)
        if (name.substr(0, prefix.size()) == prefix) return true;
    return false;
}

// The name of a Qt option without its dashes; empty for any other argument.
std::string_view QtOptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

}  // namespace

ProgramOptions ParseProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    auto badUsage = [&](std::string error) {
        options.action = ProgramOptions::Action::BadUsage;
        options.error = std::move(error);
        return options;
    };
    if (!arguments.empty()) options.qtArguments.push_back(arguments.front());
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::string_view qtName = QtOptionName(argument);
        if (argument == "--help" || argument == "-h") {
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
        } else if (argument == "--data" || argument.rfind("--data=", 0) == 0) {
            // Whether the file loads is the start button's to say, with the
            // loader's own message, in the windows.
            if (argument == "--data" && i + 1 >= arguments.size()) return badUsage("--data needs a file");
            options.dataFile = argument == "--data" ? arguments[++i] : argument.substr(7);
            if (options.dataFile->empty()) return badUsage("--data needs a file");
        } else if (Names(QtOptionsWithValue, qtName)) {
            if (i + 1 >= arguments.size()) return badUsage(QuoteForMessage(argument) + " needs a value");
            options.qtArguments.push_back(argument);
            options.qtArguments.push_back(arguments[++i]);
        } else if (Names(QtFlags, qtName) || Prefixes(QtOptionsWithAttachedValue, qtName)) {
            options.qtArguments.push_back(argument);
        } else if (argument.size() > 1 && argument[0] == '-') {
            return badUsage("unknown option " + QuoteForMessage(argument));
        } else {
            return badUsage("unexpected argument " + QuoteForMessage(argument));
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
           "  --data FILE           the beam data file the start button loads in this run,\n"
           "                        instead of the bundled 6MVTMROCR.dat\n"
           "  -h, --help            show this help and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "Qt's own options are taken too, among them -platform NAME (-platform offscreen\n"
           "runs without a display), -style NAME, -reverse and -qwindowgeometry GEOMETRY.\n"
           "Without a display to show the windows on, corvane says so and exits with 1;\n"
           "bad usage exits with 2.\n"
           "\n"
           "The beam data file 6MVTMROCR.dat is read from the working folder, else from\n"
           "beside the program, else from share/corvane under the install prefix.\n"
           "The start window's \"Beam data\" button, --data and a file dropped onto the\n"
           "start window choose another file in the same format; the five files used\n"
           "last are offered again on the button's menu.\n"
           "The dose grid, the chart and the printed page can also be made without windows\n"
           "with corvane-chart(1).\n";
}

std::string ProgramVersionText() { return "corvane " CORVANE_VERSION "\n" CORVANE_COPYRIGHT_LINES; }

}  // namespace corvane
