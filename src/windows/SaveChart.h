// "Save chart as…" and "Copy chart" of the chart window's picture menu.
#pragma once

#include "qtsurface/ChartExport.h"
#include "state/CalculationState.h"

#include <QObject>

class QImage;
class QWidget;

namespace corvane {

class SaveChart : public QObject {
    Q_OBJECT
public:
    // Asks for a file through SavePathDialog and writes the chart there
    // whole or not at all (WriteFileAtomically), in the format its extension
    // names: .png the picture at twice its size, .svg the picture, .pdf the
    // printed page at true scale. A file without an extension becomes a PNG
    // picture; an existing file is replaced only after a Yes;
    // a failure tells its reason in a message box and leaves no file.
    // `shown` draws the picture as the chart window shows it; the printed
    // page is drawn from `state`.
    static void saveAs(QWidget* parent, CalculationState& state, const ChartDrawing& shown);

    // The picture as shown (without the cross-hair) on the clipboard.
    static void copy(const QImage& picture);
};

}  // namespace corvane
