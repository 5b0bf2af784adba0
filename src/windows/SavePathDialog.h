// The program's one save-file dialog, with a seam so that a test can answer
// it: the PDF the print button offers when it cannot print, and "Save chart
// as…" of the chart window both ask through it.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace corvane {

struct SavePathRequest {
    QString caption;
    // A file name. The dialog opens in the folder a file was last saved in
    // (remembered in the settings), else in the documents folder.
    QString suggestedName;
    QString filters;  // as QFileDialog takes them: "PNG picture (*.png);;…"
    // The dialog itself asks before an existing file is chosen; off where
    // the caller asks through the message boxes instead.
    bool dialogConfirmsOverwrite = true;
};

class SavePathDialog {
public:
    // Answers in place of the dialog: gets the suggested full path, returns
    // the chosen one, empty for a cancel.
    using Chooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    // The chosen path, empty when the user cancelled. With a chooser
    // installed, the chooser answers and no dialog appears.
    static QString choose(QWidget* parent, const SavePathRequest& request);

    // Installs (or, with an empty chooser, removes) the test chooser.
    static void setChooser(Chooser chooser);
};

}  // namespace corvane
