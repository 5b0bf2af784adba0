// The conditions window "Irradiate Condition": set-up, depth, field size
// and wedge, with OK to calculate and Exit to end the program.
#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class Module1;
struct OwnBeamData;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(Module1& module, QWidget* parent = nullptr);

    void Option1_Click();  // SSD (100cm)
    void Option2_Click();  // STD (100cm)
    void Option3_Click();  // no wedge
    void Option4_Click();  // 30
    void Option5_Click();  // 45
    void Option6_Click();  // 60
    // Enter in a text box (any modifiers): clamp it and move on.
    void Text1_KeyDown(int key);
    void Text2_KeyDown(int key);
    void Text3_KeyDown(int key);
    void Command1_Click();  // OK
    void Command2_Click();  // Exit

    // Names the data under the beam frame when it is not the bundled file
    // (null: the bundled file, and the window as designed).
    void showBeamData(const OwnBeamData* own);

    QGroupBox* Frame1 = nullptr;      // "Mode": the set-up options
    QGroupBox* Frame2 = nullptr;      // "Wedge filter": the wedge options
    QGroupBox* Frame4 = nullptr;      // " Depth and Field Size ": the three entries
    QRadioButton* Option1 = nullptr;  // SSD (100cm)
    QRadioButton* Option2 = nullptr;  // STD (100cm)
    QRadioButton* Option3 = nullptr;  // no wedge ("Non")
    QRadioButton* Option4 = nullptr;  // 30 degree wedge
    QRadioButton* Option5 = nullptr;  // 45 degree wedge
    QRadioButton* Option6 = nullptr;  // 60 degree wedge
    QLineEdit* Text1 = nullptr;       // depth of target, cm
    QLineEdit* Text2 = nullptr;       // field width at SAD, cm
    QLineEdit* Text3 = nullptr;       // field length at SAD, cm
    QPushButton* Command1 = nullptr;  // OK
    QPushButton* Command2 = nullptr;  // Exit
    QLabel* BeamDataLabel = nullptr;  // the file's name and first heading line, under the beam frame

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Makes the controls from the window's table of controls, then wires them.
    void buildControls();
    // Moves each degree sign right after the angle of its option.
    void placeDegreeSigns();
    void keepSelectedOptionsInTabChain();
    // The control of that object name, which buildControls gave it.
    template <typename Control>
    Control* control(const char* name) const;

    Module1& module_;
    int beamDataShift_ = 0;  // how far the controls under the beam frame are moved down
};

}  // namespace corvane
