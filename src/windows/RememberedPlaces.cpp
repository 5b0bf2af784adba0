#include "windows/RememberedPlaces.h"

#include "windows/ProgramSettings.h"
#include "windows/WindowPlacement.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

#include <memory>

namespace corvane {

namespace {

const QString SaveFolderKey = QStringLiteral("saving/folder");

}  // namespace

QString RememberedSaveFolder() {
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    return settings ? settings->value(SaveFolderKey).toString() : QString();
}

void RememberSaveFolder(const QString& folder) {
    if (const std::unique_ptr<QSettings> settings = OpenProgramSettings()) settings->setValue(SaveFolderKey, folder);
}

WindowPlaceMemory::WindowPlaceMemory(QWidget* window, const QString& key)
    : QObject(window), window_(window), key_(key) {
    window->installEventFilter(this);
}

WindowPlaceMemory::~WindowPlaceMemory() { store(); }

std::optional<QRect> WindowPlaceMemory::recall(const QList<QRect>& screens, const QRect& available) const {
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    if (!settings) return std::nullopt;
    const QRect remembered = settings->value(key_).toRect();
    if (!remembered.isValid()) return std::nullopt;
    for (const QRect& screen : screens)
        if (screen.contains(remembered)) return remembered;
    return BroughtOnScreen(remembered, available);
}

bool WindowPlaceMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize) && window_->isVisible() &&
            window_->frameGeometry() != placed_)
            movedByUser_ = window_->frameGeometry();
        else if (type == QEvent::Hide)
            store();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlaceMemory::store() {
    if (!movedByUser_) return;
    if (const std::unique_ptr<QSettings> settings = OpenProgramSettings()) settings->setValue(key_, *movedByUser_);
    placed_ = *movedByUser_;
    movedByUser_.reset();
}

}  // namespace corvane
