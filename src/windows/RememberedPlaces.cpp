#include "windows/RememberedPlaces.h"

#include "windows/WindowPlacement.h"

#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <memory>

namespace corvane {

namespace {

const QString SaveFolderKey = QStringLiteral("saving/folder");

// The settings where QSettings keeps those of organisation and application
// "Corvane" on this system, or nothing when that is not a regular file.
std::unique_ptr<QSettings> OpenSettings() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty()) return nullptr;
    const QFileInfo file(folder + QStringLiteral("/Corvane/Corvane.conf"));
    if (file.exists() && !file.isFile()) return nullptr;
    return std::make_unique<QSettings>(file.filePath(), QSettings::IniFormat);
}

}  // namespace

QString RememberedSaveFolder() {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    return settings ? settings->value(SaveFolderKey).toString() : QString();
}

void RememberSaveFolder(const QString& folder) {
    if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(SaveFolderKey, folder);
}

WindowPlaceMemory::WindowPlaceMemory(QWidget* window, const QString& key)
    : QObject(window), window_(window), key_(key) {
    window->installEventFilter(this);
}

WindowPlaceMemory::~WindowPlaceMemory() { store(); }

std::optional<QRect> WindowPlaceMemory::recall(const QList<QRect>& screens, const QRect& available) const {
    const std::unique_ptr<QSettings> settings = OpenSettings();
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
    if (const std::unique_ptr<QSettings> settings = OpenSettings()) settings->setValue(key_, *movedByUser_);
    placed_ = *movedByUser_;
    movedByUser_.reset();
}

}  // namespace corvane
