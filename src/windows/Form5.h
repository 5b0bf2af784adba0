// The method window: how the dose is computed, with the formula, the wedge
// model and a sketch of the irradiation geometry.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace corvane {

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;  // mu
    QLabel* Label18;  // its subscript "eff"
    QLabel* Label19;  // the exponent of cm
    QLabel* Label20;
    QLabel* Label21;
    QLabel* Label22;
    QLabel* Label23;
    QLabel* Label24;
    QLabel* Label25;
    QLabel* Picture1;  // geometry sketch
    QLabel* Picture2;  // formula
    QPushButton* Command1;
    QPushButton* Command3;

signals:
    // "TMR and OCR data" was pressed: the data table window is to be filled and shown.
    void dataTableRequested();

private slots:
    void Command1_Click();
    void Command3_Click();

private:
    void PlaceCoefficientSymbols();
};

}  // namespace corvane
