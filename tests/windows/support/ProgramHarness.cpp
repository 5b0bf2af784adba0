#include "support/ProgramHarness.h"

#include "windows/Form2.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace corvane::testing {

ProgramHarness::ProgramHarness()
    : state_(std::make_unique<CalculationState>()), module_(std::make_unique<Module1>(*state_)) {
    MessageBoxes::setHandler([this](const MessageRequest& request) {
        messages.push_back(request);
        if (whileBoxOpen) whileBoxOpen(request);
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
    module_->setEndProgramHandler([this] { ++endRequests; });
}

ProgramHarness::~ProgramHarness() {
    module_.reset();
    MessageBoxes::setHandler({});
    ProcessDeferredDeletes();
}

void ProgramHarness::start() {
    if (!module_->LoadBeamData()) QFAIL("the bundled beam data did not load");
}

void ProgramHarness::clickOk(const QString& depth, const QString& width, const QString& length) {
    Form2* conditions = module_->form2();
    conditions->Text1->setText(depth);
    conditions->Text2->setText(width);
    conditions->Text3->setText(length);
    QTest::mouseClick(conditions->Command1, Qt::LeftButton);
}

void SendMouseMove(QWidget* widget, QPointF position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString ScreenshotPath(const QString& fileName) {
    QDir().mkpath(QStringLiteral(CORVANE_SCREENSHOT_DIR));
    return QDir(QStringLiteral(CORVANE_SCREENSHOT_DIR)).filePath(fileName);
}

}  // namespace corvane::testing
