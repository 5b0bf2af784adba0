// A program under test: one calculation state, Module1, and the message
// boxes answered and recorded instead of shown.
#pragma once

#include "state/CalculationState.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace corvane::testing {

class ProgramHarness {
public:
    ProgramHarness();
    ~ProgramHarness();

    CalculationState& state() { return *state_; }
    Module1& module() { return *module_; }

    // Every box shown so far, in order.
    std::vector<MessageRequest> messages;
    // Runs inside each box before it is answered (to try clicks meanwhile).
    std::function<void(const MessageRequest&)> whileBoxOpen;
    // How often the program asked to end.
    int endRequests = 0;

    // Loads the bundled data and shows the conditions window.
    void start();
    // Clicks OK on the conditions window with the given entries.
    void clickOk(const QString& depth, const QString& width, const QString& length);

private:
    std::unique_ptr<CalculationState> state_;
    std::unique_ptr<Module1> module_;
};

// A mouse move over a widget at a fractional position, as the window
// system delivers it.
void SendMouseMove(QWidget* widget, QPointF position);

// Destroys the windows whose deletion is pending.
void ProcessDeferredDeletes();

// The folder the screenshots go to, created when missing.
QString ScreenshotPath(const QString& fileName);

}  // namespace corvane::testing
