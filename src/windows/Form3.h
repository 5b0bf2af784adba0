// The chart window "Corvane": the isodose chart with its cursor readout,
// the arrow-key cross-hair, and the print, close and mesh buttons; the
// picture's right-click menu adds the profiles, a reference chart, saving
// and copying (ChartWindowTools).
#pragma once

#include "chart/DrawChart.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

class ChartPictureBox;
class ChartWindowTools;
class Module1;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Module1& module, QWidget* parent = nullptr);
    ~Form3() override;

    // The cursor readout for a mouse position in chart units.
    void Picture1_MouseMove(float X, float Y);
    // The arrow keys; every key is also passed on to the focused control,
    // but for Ctrl+S and Ctrl+C of the picture's menu.
    void Form_KeyDown(int key);
    void Command1_Click();  // "Print Corvane"
    void Command2_Click();  // "Close"
    void Command3_Click();  // "Change mesh size"
    void Form_Click();

    // The readout emptied and the cross-hair hidden, as every run begins.
    void ClearReadout();

    float CursorX() const { return cursorX_; }
    float CursorY() const { return cursorY_; }

    // The background mesh of the chart: set to 5 cm by the start button and
    // the conditions window's OK, switched by "Change mesh size" before it
    // calculates again.
    ChartMesh MeshMode = ChartMesh::FiveCm;
    // The last mouse move over the picture was inside the chart area; the
    // arrow keys move the cross-hair only then. A run ends with it cleared.
    bool CursorInChart = false;

    // The picture's right-click menu and what it opens: the profiles, the
    // reference, saving and copying the chart.
    ChartWindowTools* tools() const { return tools_; }
    // The program the window belongs to, for the data its charts come from.
    Module1& module() const { return module_; }

    ChartPictureBox* Picture1 = nullptr;  // the chart with its cross-hair
    QPushButton* Command1 = nullptr;      // "Print Corvane"
    QPushButton* Command2 = nullptr;      // "Close"
    QPushButton* Command3 = nullptr;      // "Change mesh size"
    QLineEdit* Text1 = nullptr;           // off-centre distance, mm
    QLineEdit* Text2 = nullptr;           // depth, mm
    QLineEdit* Text3 = nullptr;           // dose, percent
    QLabel* Label1 = nullptr;             // "off center"
    QLabel* Label2 = nullptr;             // "depth"
    QLabel* Label3 = nullptr;             // "Dose"
    QLabel* Label4 = nullptr;             // "cursor position", the readout's heading
    QLabel* Label6 = nullptr;             // "%" after the dose
    QLabel* Label7 = nullptr;             // "mm" after the depth
    QLabel* Label8 = nullptr;             // "mm" after the off-centre distance

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildReadoutPanel();
    void showDoseBox(int i, int j);

    Module1& module_;
    float cursorX_ = 0;
    float cursorY_ = 0;
    bool pressedOnSurface_ = false;
    ChartWindowTools* tools_ = nullptr;
};

}  // namespace corvane
