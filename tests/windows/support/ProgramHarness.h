// A program under test: one calculation state, Module1, and the message
// boxes answered and recorded instead of shown; with the steps most window
// tests begin with, a data file of the test's own, and small helpers for
// driving and looking at windows.
#pragma once

#include "windows/CalculationState.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

class QMenu;

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace corvane {
class Form2;
class Form3;
}  // namespace corvane

namespace corvane::testing {

class ProgramHarness {
public:
    ProgramHarness();
    ~ProgramHarness();

    CalculationState& state() { return *state_; }
    Module1& module() { return *module_; }
    Form2* conditions();  // the conditions window, made on first use
    Form3* chart();       // the chart window if there is one now, else null

    // Every box shown so far, in order.
    std::vector<MessageRequest> messages;
    // Runs inside each box before it is answered (to try clicks meanwhile).
    std::function<void(const MessageRequest&)> whileBoxOpen;
    // The answers to the next boxes, one each, in turn. A box shown when
    // none is left is answered OK, or `yesNoAnswer` if it asks yes or no.
    std::deque<MessageAnswer> answers;
    MessageAnswer yesNoAnswer = MessageAnswer::Yes;
    // How often the program asked to end.
    int endRequests = 0;

    // Loads the bundled data and shows the conditions window.
    void start();
    // Clicks OK on the conditions window with the given entries.
    void clickOk(const QString& depth, const QString& width, const QString& length);
    // Starts, clicks OK with the given entries (by default those the start
    // puts in) and returns the chart window, null if the run made none.
    Form3* runToChart(const QString& depth = QStringLiteral("5.0"),
                      const QString& width = QStringLiteral("10.0"),
                      const QString& length = QStringLiteral("10.0"));
    // Handles the pending events, then destroys the windows whose deletion
    // is pending.
    void settle();

    // Right-clicks the chart picture at `position` (in the picture's
    // pixels), where the pointer is taken to be already, and returns the
    // menu it opened, null if none did.
    QMenu* rightClickChart(QPoint position = QPoint(500, 400));
    // Right-clicks the chart picture and chooses the menu entry `text`;
    // false when the entry is missing or disabled.
    bool chooseFromChartMenu(const QString& text);
    // Answers every save-file dialog with `path` (empty: cancel), keeping
    // the paths the dialogs suggested.
    void answerSavePathWith(const QString& path);
    QStringList suggestedSavePaths;

private:
    std::unique_ptr<CalculationState> state_;
    std::unique_ptr<Module1> module_;
};

// Makes a fresh temporary directory the working directory, where the data
// file lookup looks first, with a copy of the bundled data file in it.
class DataFileDirectory {
public:
    DataFileDirectory() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        QFile::copy(QStringLiteral(CORVANE_TEST_DATA_FILE), path());
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }
    ~DataFileDirectory() { QDir::setCurrent(previous_); }
    DataFileDirectory(const DataFileDirectory&) = delete;
    DataFileDirectory& operator=(const DataFileDirectory&) = delete;

    // The data file, or another file `name` beside it.
    QString path(const QString& name = QStringLiteral("6MVTMROCR.dat")) const { return dir_.filePath(name); }

    QByteArray read() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes, const QString& name = QStringLiteral("6MVTMROCR.dat")) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the data file");
        file.write(bytes);
    }
    // The first `count` lines of the bundled file, each with its CR LF.
    QByteArray firstLines(int count) const {
        QFile file(QStringLiteral(CORVANE_TEST_DATA_FILE));
        if (!file.open(QIODevice::ReadOnly)) return {};
        QByteArray bytes;
        for (int i = 0; i < count && !file.atEnd(); ++i) bytes += file.readLine();
        return bytes;
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// A mouse move over a widget at a fractional position, as the window
// system delivers it.
void SendMouseMove(QWidget* widget, QPointF position);

// Destroys the windows whose deletion is pending.
void ProcessDeferredDeletes();

// The widgets that Tab stops at after `from`, `count` of them, following the
// focus chain.
QList<QWidget*> TabStopsAfter(QWidget* from, qsizetype count);

// The program's settings file in a folder of this test process, never the
// user's; ForgetSettings deletes it.
QString UsePrivateSettings();
void ForgetSettings();

// The folder the screenshots go to, created when missing.
QString ScreenshotPath(const QString& fileName);

// Saves what `window` shows as `name`.png in the screenshot folder.
void SaveScreenshot(QWidget* window, const QString& name);

// A text on screen: the control that shows it (or the window, for its
// title) and what it says.
struct ShownText {
    QWidget* control;
    QString text;
};

// Every text `window` itself shows: its title, then control by control in
// the order they were made, the captions of labels, buttons and frames and
// the tool tips. Controls hidden in the window and other windows made within
// it are left out, and so are the lines of lists and text boxes, which show
// data, not texts of the program.
QList<ShownText> ShownTexts(QWidget* window);

}  // namespace corvane::testing
