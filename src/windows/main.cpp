// corvane: the desktop program.
#include "qtsurface/Fonts.h"
#include "state/CalculationState.h"
#include "windows/Module1.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::RegisterFontSubstitutions();

    // The program-wide state lives from here to the end of the program.
    auto state = std::make_unique<corvane::CalculationState>();
    corvane::Module1 module(*state);

    // The beam data is loaded at start-up and the conditions window opened;
    // a file that does not load has been reported and ends the program.
    if (!module.LoadBeamData()) return 1;
    return QApplication::exec();
}
