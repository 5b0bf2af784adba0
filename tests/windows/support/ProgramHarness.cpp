#include "support/ProgramHarness.h"

#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowTools.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/SavePathDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace corvane::testing {

ProgramHarness::ProgramHarness()
    : state_(std::make_unique<CalculationState>()), module_(std::make_unique<Module1>(*state_)) {
    MessageBoxes::setHandler([this](const MessageRequest& request) {
        messages.push_back(request);
        if (whileBoxOpen) whileBoxOpen(request);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == MessageButtons::YesNo ? yesNoAnswer : MessageAnswer::Ok;
    });
    module_->setEndProgramHandler([this] { ++endRequests; });
}

ProgramHarness::~ProgramHarness() {
    module_.reset();
    MessageBoxes::setHandler({});
    SavePathDialog::setChooser({});
    ProcessDeferredDeletes();
}

Form2* ProgramHarness::conditions() { return module_->form2(); }

Form3* ProgramHarness::chart() { return module_->existingForm3(); }

void ProgramHarness::start() {
    if (!module_->LoadBeamData()) QFAIL("the bundled beam data did not load");
}

void ProgramHarness::clickOk(const QString& depth, const QString& width, const QString& length) {
    Form2* window = conditions();
    window->Text1->setText(depth);
    window->Text2->setText(width);
    window->Text3->setText(length);
    QTest::mouseClick(window->Command1, Qt::LeftButton);
}

Form3* ProgramHarness::runToChart(const QString& depth, const QString& width, const QString& length) {
    start();
    clickOk(depth, width, length);
    return chart();
}

void ProgramHarness::settle() {
    QCoreApplication::processEvents();
    ProcessDeferredDeletes();
}

QMenu* ProgramHarness::rightClickChart(QPoint position) {
    Form3* window = chart();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) return nullptr;
    // What a right click where the pointer already is brings: the press, the
    // context menu request the window system makes of it, the release.
    QWidget* picture = window->Picture1;
    QTest::mousePress(picture, Qt::RightButton, {}, position);
    QContextMenuEvent request(QContextMenuEvent::Mouse, position, picture->mapToGlobal(position));
    QApplication::sendEvent(picture, &request);
    QTest::mouseRelease(picture, Qt::RightButton, {}, position);
    QMenu* menu = window->tools()->contextMenu();
    return menu->isVisible() ? menu : nullptr;
}

bool ProgramHarness::chooseFromChartMenu(const QString& text) {
    QMenu* menu = rightClickChart();
    if (menu == nullptr) return false;
    const QList<QAction*> actions = menu->actions();
    const auto found =
        std::find_if(actions.begin(), actions.end(), [&](QAction* action) { return action->text() == text; });
    menu->hide();
    if (found == actions.end() || !(*found)->isEnabled()) return false;
    (*found)->trigger();
    return true;
}

void ProgramHarness::answerSavePathWith(const QString& path) {
    SavePathDialog::setChooser([this, path](QWidget*, const QString& suggested) {
        suggestedSavePaths.append(suggested);
        return path;
    });
}

void SendMouseMove(QWidget* widget, QPointF position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QList<QWidget*> TabStopsAfter(QWidget* from, qsizetype count) {
    QList<QWidget*> stops;
    QWidget* w = from;
    while (stops.size() < count) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        stops.append(w);
    }
    return stops;
}

QString UsePrivateSettings() {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    return folder.filePath(QStringLiteral("Corvane/Corvane.conf"));
}

void ForgetSettings() { QFile::remove(UsePrivateSettings()); }

QString ScreenshotPath(const QString& fileName) {
    QDir().mkpath(QStringLiteral(CORVANE_SCREENSHOT_DIR));
    return QDir(QStringLiteral(CORVANE_SCREENSHOT_DIR)).filePath(fileName);
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString file = ScreenshotPath(name + QStringLiteral(".png"));
    QVERIFY2(window->grab().save(file), qPrintable(file));
}

QList<ShownText> ShownTexts(QWidget* window) {
    QList<ShownText> texts{{window, window->windowTitle()}};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window)) continue;
        QString caption;
        if (const auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        else if (const auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        else if (const auto* frame = qobject_cast<QGroupBox*>(control))
            caption = frame->title();
        if (!caption.isEmpty()) texts.append({control, caption});
        if (!control->toolTip().isEmpty()) texts.append({control, control->toolTip()});
    }
    return texts;
}

}  // namespace corvane::testing
