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

    QLabel* Label1;         // the sentence before the formula, first half
    QLabel* Label2;         // and its second half
    QLabel* Label3;         // the heading
    QLabel* Label4;         // "ここで": the terms of the formula follow
    QLabel* Label5;         // D(dr,10x10), the output at the reference point
    QLabel* Label6;         // OPFr(A), the output factor
    QLabel* Label7;         // TMR(d,Ad)
    QLabel* Label8;         // OCR(d,Ad,l)
    QLabel* Label9;         // Fw(l'), the wedge's attenuation factor
    QLabel* Label10;        // the 1 mm mesh over the phantom's plane, first line
    QLabel* Label11;        // second line
    QLabel* Label12;        // third line: the isodose curves
    QLabel* Label13;        // the caption of the TMR and OCR data button
    QLabel* Label14;        // the wedges' material and physical angles
    QLabel* Label15;        // the physical angle of each wedge
    QLabel* Label16;        // the attenuation coefficient of lead, with gaps for its symbols
    QLabel* Label17;        // mu
    QLabel* Label18;        // its subscript "eff"
    QLabel* Label19;        // the exponent of cm
    QLabel* Label20;        // how the wedges are set up here
    QLabel* Label21;        // the distance from the source to the wedge
    QLabel* Label22;        // no dynamic wedge
    QLabel* Label23;        // rectangular fields through their equivalent squares
    QLabel* Label24;        // values between and beyond the data points by interpolation
    QLabel* Label25;        // the caption of the geometry sketch
    QLabel* Picture1;       // geometry sketch
    QLabel* Picture2;       // formula
    QPushButton* Command1;  // Close
    QPushButton* Command3;  // "TMR and OCR data": shows the data table window

signals:
    // "TMR and OCR data" was pressed: the data table window is to be filled and shown.
    void dataTableRequested();

private slots:
    void Command1_Click();
    void Command3_Click();

private:
    void PlaceCoefficientSymbols();
    void JoinSentenceHalves();
};

}  // namespace corvane
