// The work of the chart window's "Print Corvane" button: the question, the
// printed page on the system's default printer, and the way out when the
// page cannot be printed.
#pragma once

#include "chart/DrawChart.h"
#include "dose/DoseCalculation.h"

#include <QString>

#include <functional>

class QPrinter;
class QPushButton;
class QWidget;

namespace corvane {

class Module1;

// The designed question, marked for translation in the context "PrintChart".
inline constexpr const char* PrinterReadyQuestion =
    QT_TRANSLATE_NOOP("PrintChart", "   Is the printer ready ?   ");

// The drawable area the printed page needs: x 150..350 and y -36..250, in mm.
inline constexpr double PrintedPageWidthMm = 200;
inline constexpr double PrintedPageHeightMm = 286;

// Asks whether the printer is ready; on Yes draws the page of `page`
// (never recalculating) on the default printer at 1 mm per chart unit, and
// disables `printButton` once the page has gone to the printer. When there
// is no printer, or the printer refuses the page as it begins or ends,
// nothing is printed, the user is told and may save the page as a PDF file
// instead; `printButton` then stays enabled.
void PrintChart(const DoseCalculation& page, QWidget* parent, QPushButton* printButton);

// Makes the chart window's print button do PrintChart on the module's last
// result. The page's captions and wedge symbol follow the conditions
// window's set-up and wedge options as they stand when the button is
// pressed, as the printout always has; its curves, target and field size
// are those of the last calculation.
void InstallPrintChart(Module1& module);

// Seams for the tests; with no handler set the real thing happens.
class PrintChartSeams {
public:
    // Chooses where the PDF goes; an empty result means the user cancelled.
    // The real chooser is a save-file dialog. It is the chooser of every
    // save-file dialog of the program (SavePathDialog.h).
    using SavePathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    // Sees the printer just before the page begins (the page layout is set).
    using PrinterAdjuster = std::function<void(QPrinter& printer)>;

    static void setSavePathChooser(SavePathChooser chooser);
    static void setPrinterAdjuster(PrinterAdjuster adjuster);
};

}  // namespace corvane
