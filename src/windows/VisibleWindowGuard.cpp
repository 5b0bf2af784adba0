#include "windows/VisibleWindowGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace corvane {

VisibleWindowGuard::VisibleWindowGuard(std::function<void()> endProgram, QObject* parent)
    : QObject(parent), m_endProgram(std::move(endProgram)) {
    qApp->installEventFilter(this);
}

VisibleWindowGuard::~VisibleWindowGuard() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

bool VisibleWindowGuard::AnyWindowVisible() {
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window->isVisible() && !(window->windowType() == Qt::ToolTip) &&
            !(window->windowType() == Qt::Popup))
            return true;
    }
    return false;
}

bool VisibleWindowGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        m_ended = false;
    // A window flow often hides one window just before it shows the next (the
    // chart window's close shows the start window), so the check waits until
    // the handler that hid a window has finished.
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && !m_checkPending &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
        m_checkPending = true;
        QMetaObject::invokeMethod(this, &VisibleWindowGuard::CheckWindows, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void VisibleWindowGuard::CheckWindows() {
    m_checkPending = false;
    if (m_ended || AnyWindowVisible()) return;
    m_ended = true;
    if (m_endProgram) m_endProgram();
}

}  // namespace corvane
