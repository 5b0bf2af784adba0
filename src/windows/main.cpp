// corvane: the desktop program.
#include "qtsurface/Fonts.h"
#include "windows/ApplicationStart.h"
#include "windows/CalculationState.h"
#include "windows/Form1.h"
#include "windows/LanguageChoice.h"
#include "windows/Module1.h"
#include "windows/PrintChart.h"
#include "windows/ProgramOptions.h"
#include "windows/ProgramSettings.h"
#include "windows/VisibleWindowGuard.h"

#include <QApplication>
#include <QFile>
#include <QSettings>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// Writes the whole text to standard output; false when it did not get there.
bool WriteOut(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The whole command line is read before Qt starts: --help and --version
    // need no display and are in English whatever language was chosen, and
    // a mistyped option is bad usage, not a window.
    const corvane::ProgramOptions options =
        corvane::ParseProgramOptions(std::vector<std::string>(argv, argv + argc));
    switch (options.action) {
    case corvane::ProgramOptions::Action::ShowHelp: return WriteOut(corvane::ProgramHelpText()) ? 0 : 3;
    case corvane::ProgramOptions::Action::ShowVersion: return WriteOut(corvane::ProgramVersionText()) ? 0 : 3;
    case corvane::ProgramOptions::Action::BadUsage:
        std::fprintf(stderr, "corvane: %s; try --help\n", options.error.c_str());
        return 2;
    case corvane::ProgramOptions::Action::Run: break;
    }

    // Qt sees the program name and its own options.
    std::vector<std::string> qtArguments = options.qtArguments;
    std::vector<char*> qtArgv;
    for (std::string& argument : qtArguments) qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());

    const std::unique_ptr<QApplication> app = corvane::StartApplication(qtArgc, qtArgv.data());
    // The settings (the language chosen last) live under these names.
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::RegisterFontSubstitutions();

    // The language given now is remembered; without one, the last one chosen.
    const std::unique_ptr<QSettings> settings = corvane::OpenProgramSettings();
    corvane::InstallLanguage(settings ? corvane::ResolveLanguage(*settings, options.language)
                                      : options.language.value_or(corvane::Language::Default));

    // The program-wide state lives from here to the end of the program.
    auto state = std::make_unique<corvane::CalculationState>();
    corvane::Module1 module(*state);
    corvane::InstallPrintChart(module);
    // --data chooses the file the start button loads, as the start window would.
    if (options.dataFile) module.form1()->chooseDataFile(QFile::decodeName(options.dataFile->c_str()));

    // The program ends when no window of it is left on screen; the method
    // and data table windows count too, though they are dialogs.
    QApplication::setQuitOnLastWindowClosed(false);
    corvane::VisibleWindowGuard guard([&module] { module.EndProgram(); });

    module.showStartWindow();
    return QApplication::exec();
}
