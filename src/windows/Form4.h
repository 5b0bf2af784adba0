// The data table window: the beam data file line by line, beside pictures of
// its TMR and OCR curves.
#pragma once

#include "windows/DataTableListing.h"

#include <QWidget>

#include <filesystem>

class QLabel;
class QListWidget;
class QPushButton;

namespace corvane {

class BeamDataChoice;

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    // The file the window lists from now on: the bundled one (as at first),
    // or one the user chose, which the caption then names too.
    void setDataFile(const BeamDataChoice& choice);

    // Empties List1 and refills it with the data file's first 66 lines, and
    // draws both pictures from the same content; the calculation's tables are
    // not touched. Returns what was read, with any problem.
    DataTableListing FillFromDataFile();

    // Fills, shows and raises the window; when lines are missing, a box says
    // which, over the window, and the program goes on.
    void FillAndShow();

    QLabel* Label1;         // the heading
    QListWidget* List1;     // the data file's lines
    QLabel* Picture1;       // TMR curves
    QLabel* Picture2;       // OCR curves
    QPushButton* Command1;  // Close

private slots:
    void Command1_Click();

private:
    std::filesystem::path file_;  // empty: the bundled file, looked up at each filling
};

}  // namespace corvane
