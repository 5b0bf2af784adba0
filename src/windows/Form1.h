// The start window: the program's title, two sample charts, and the buttons
// to start, to read how the calculation works, and to leave; and, in the
// free space under the start button, the choice of the beam data it loads.
#pragma once

#include "windows/BeamDataChoice.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace corvane {

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    QLabel* Label1;         // author credit
    QLabel* Label2;         // title
    QLabel* Label4;         // "6 MV X線"
    QLabel* Picture1;       // the sample charts
    QLabel* Picture2;       // the dog
    QPushButton* Command1;  // start
    QPushButton* Command2;  // exit sign
    QPushButton* Command4;  // method overview
    // The beam data the start button loads: a click opens the file dialog,
    // its menu offers the files used last and the bundled data.
    QToolButton* BeamDataButton;

    const BeamDataChoice& dataChoice() const { return dataChoice_; }
    // The dialog, the menu, --data and a dropped file choose through these.
    void chooseDataFile(const QString& path);
    void chooseBundledData();

signals:
    void startRequested();         // load the beam data and go to the conditions window
    void methodWindowRequested();  // show the method window
    void exitRequested();          // end the program at once

protected:
    // One local file dropped onto the window is chosen as the beam data.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

private:
    void chooseDataFileByDialog();
    void fillDataMenu();
    void showDataChoice();

    BeamDataChoice dataChoice_;
};

}  // namespace corvane
