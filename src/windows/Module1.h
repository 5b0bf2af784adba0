// The application module: it holds the program-wide calculation state, owns
// the windows, loads the beam data and runs each calculation.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

namespace corvane {

struct CalculationState;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;

class Module1 : public QObject {
    Q_OBJECT
public:
    explicit Module1(CalculationState& state, QObject* parent = nullptr);
    ~Module1() override;

    CalculationState& state() { return state_; }

    // Each window is created on its first use.
    Form2* form2();
    Form3* form3();
    // The chart window if it exists now, without creating it.
    Form3* existingForm3() const;
    // The start window lives as long as the module; the method and data
    // table windows are its dialogs, created afresh after a title-bar close.
    Form1* form1();
    Form4* form4();
    Form5* form5();

    // Reads the beam data file and puts the conditions back to their
    // defaults, then shows the conditions window. On failure one message box
    // says why, nothing is changed, and the result is false.
    bool LoadBeamData();

    // Reads the entries of the conditions window, computes the dose grid and
    // draws and shows the chart; a failure shows the two messages and hides
    // the chart window. A call while a run is under way does nothing.
    void RunCalculation();
    bool IsCalculating() const { return calculating_; }

    // The chart window was closed by its title bar: the conditions window is
    // hidden and the start window shown; the next run builds a new chart window.
    void Form3_Unload(Form3* closing);
    // What comes on screen after the chart window's title-bar close.
    void showStartWindow();

    // The print button of the chart window. The printing code installs the
    // handler; without one the button does nothing.
    using PrintHandler = std::function<void(Form3&)>;
    void setPrintHandler(PrintHandler handler) { printHandler_ = std::move(handler); }
    void PrintChart(Form3& chartWindow);

    // Ends the program at once: every window goes and the event loop stops.
    void EndProgram();
    // Tests replace the ending of the event loop to see that it was asked for.
    void setEndProgramHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

private:
    CalculationState& state_;
    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<Form4> form4_;
    QPointer<Form5> form5_;
    PrintHandler printHandler_;
    std::function<void()> endHandler_;
    bool calculating_ = false;
};

}  // namespace corvane
