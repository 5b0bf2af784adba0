// The start window: the program's title, two sample charts, and the buttons
// to start, to read how the calculation works, and to leave.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

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

signals:
    void startRequested();         // load the beam data and go to the conditions window
    void methodWindowRequested();  // show the method window
    void exitRequested();          // end the program at once

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
};

}  // namespace corvane
