// What the chart window saves and copies: "Save chart as…" and "Copy chart"
// of the picture's menu, and "Save profiles as CSV…" and "Copy values" of
// the profiles window's menu.
#pragma once

#include "qtsurface/ChartExport.h"
#include "dose/DoseCalculation.h"

#include <QObject>

class QImage;
class QWidget;

namespace corvane {

class SaveChart : public QObject {
    Q_OBJECT
public:
    // Asks for a file through SavePathDialog, proposing a name made from the
    // conditions of `shownResult` (ConditionsFileName), and writes the chart there
    // whole or not at all (WriteFileAtomically), in the format its extension
    // names: .png the picture at twice its size, .svg the picture, .pdf the
    // printed page at true scale. A file without an extension becomes a PNG
    // picture; an existing file is replaced only after a Yes;
    // a failure tells its reason in a message box and leaves no file.
    // `shown` draws the picture as the chart window shows it; the printed
    // page is drawn from `shownResult`. A `description` of the data (own
    // beam data) goes into the file's metadata.
    static void saveAs(QWidget* parent, const DoseCalculation& shownResult, const ChartDrawing& shown,
                       const QString& description = {});

    // The picture as shown (without the cross-hair) on the clipboard.
    static void copy(const QImage& picture);

    // Both profiles through the cell (column, row) as a CSV file
    // (TwoProfilesTable), asked for and written as saveAs does; the name
    // proposed is made from `drawn`, the conditions of the picture.
    static void saveProfilesAs(QWidget* parent, const IrradiationConditions& drawn, int column, int row,
                               const DoseMatrix& grid, const DoseMatrix* reference);
    // The same table with tabs on the clipboard, to paste into a spreadsheet.
    static void copyProfileValues(int column, int row, const DoseMatrix& grid, const DoseMatrix* reference);
};

}  // namespace corvane
