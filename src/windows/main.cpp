// corvane: the desktop program.
#include "qtsurface/Fonts.h"
#include "state/CalculationState.h"
#include "windows/Module1.h"
#include "windows/PrintChart.h"
#include "windows/VisibleWindowGuard.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::RegisterFontSubstitutions();

    // The program-wide state lives from here to the end of the program.
    auto state = std::make_unique<corvane::CalculationState>();
    corvane::Module1 module(*state);
    corvane::InstallPrintChart(module);

    // The program ends when no window of it is left on screen; the method
    // and data table windows count too, though they are dialogs.
    QApplication::setQuitOnLastWindowClosed(false);
    corvane::VisibleWindowGuard guard([&module] { module.EndProgram(); });

    module.showStartWindow();
    return QApplication::exec();
}
