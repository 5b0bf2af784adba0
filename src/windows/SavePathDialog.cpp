#include "windows/SavePathDialog.h"

#include "windows/RememberedPlaces.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace corvane {

namespace {

SavePathDialog::Chooser& installedChooser() {
    static SavePathDialog::Chooser chooser;
    return chooser;
}

// The folder a file was last saved in, else the documents folder, else the
// home folder.
QString SuggestedFolder() {
    const QString remembered = RememberedSaveFolder();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return folder;
}

}  // namespace

QString SavePathDialog::choose(QWidget* parent, const SavePathRequest& request) {
    const QString suggested = QDir(SuggestedFolder()).filePath(request.suggestedName);
    const QFileDialog::Options options =
        request.dialogConfirmsOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    const QString chosen = installedChooser()
                               ? installedChooser()(parent, suggested)
                               : QFileDialog::getSaveFileName(parent, request.caption, suggested,
                                                              request.filters, nullptr, options);
    if (!chosen.isEmpty()) RememberSaveFolder(QFileInfo(chosen).absolutePath());
    return chosen;
}

void SavePathDialog::setChooser(Chooser chooser) { installedChooser() = std::move(chooser); }

}  // namespace corvane
