#include "windows/SavePathDialog.h"

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

// The documents folder, or the home folder where there is none.
QString SuggestedFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return folder;
}

}  // namespace

QString SavePathDialog::choose(QWidget* parent, const SavePathRequest& request) {
    const QString suggested = QDir(SuggestedFolder()).filePath(request.suggestedName);
    if (installedChooser()) return installedChooser()(parent, suggested);
    const QFileDialog::Options options =
        request.dialogConfirmsOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(parent, request.caption, suggested, request.filters, nullptr,
                                        options);
}

void SavePathDialog::setChooser(Chooser chooser) { installedChooser() = std::move(chooser); }

}  // namespace corvane
