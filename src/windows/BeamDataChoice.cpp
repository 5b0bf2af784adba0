#include "windows/BeamDataChoice.h"

#include "state/DataFileLocation.h"
#include "windows/ProgramSettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>
#include <utility>

namespace corvane {

namespace {

constexpr auto RecentKey = "beamData/recent";
// A path longer than this in the settings was not written by Corvane.
constexpr qsizetype RecentPathLimit = 4096;

BeamDataFileDialog::Chooser& installedChooser() {
    static BeamDataFileDialog::Chooser chooser;
    return chooser;
}

}  // namespace

std::filesystem::path BeamDataChoice::file() const {
    return isBundled() ? LocateBeamDataFile()
                       : std::filesystem::path(QFile::encodeName(chosen_).toStdString());
}

void BeamDataChoice::choose(const QString& path) {
    const QFileInfo chosen(path);
    const QString bundled = QFileInfo(QFile::decodeName(LocateBeamDataFile().c_str())).canonicalFilePath();
    const bool isTheBundledFile = !bundled.isEmpty() && chosen.canonicalFilePath() == bundled;
    chosen_ = isTheBundledFile ? QString() : chosen.absoluteFilePath();
}

QStringList RecentBeamDataFiles() {
    const std::unique_ptr<QSettings> settings = OpenProgramSettings();
    if (!settings) return {};
    // Whatever else stands in the file under that key is passed over.
    QStringList recent;
    for (const QString& path : settings->value(QString::fromLatin1(RecentKey)).toStringList())
        if (QFileInfo(path).isAbsolute() && path.size() <= RecentPathLimit && !recent.contains(path) &&
            recent.size() < RecentBeamDataCount)
            recent.append(path);
    return recent;
}

void RememberBeamDataFile(const QString& path) {
    QStringList recent = RecentBeamDataFiles();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > RecentBeamDataCount) recent.removeLast();
    if (const std::unique_ptr<QSettings> settings = OpenProgramSettings())
        settings->setValue(QString::fromLatin1(RecentKey), recent);
}

QString BeamDataFileDialog::choose(QWidget* parent, const QString& caption, const QString& filters) {
    const QStringList recent = RecentBeamDataFiles();
    QString folder = recent.isEmpty() ? QString() : QFileInfo(recent.front()).absolutePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    if (installedChooser()) return installedChooser()(parent, folder);
    return QFileDialog::getOpenFileName(parent, caption, folder, filters);
}

void BeamDataFileDialog::setChooser(Chooser chooser) { installedChooser() = std::move(chooser); }

}  // namespace corvane
