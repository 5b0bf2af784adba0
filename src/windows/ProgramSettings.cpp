#include "windows/ProgramSettings.h"

#include "state/MessageText.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace corvane {

QString ProgramSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvane/Corvane.conf");
}

std::unique_ptr<QSettings> OpenProgramSettings(const QString& path) {
    struct stat info {};
    // Through a symbolic link: what counts is the file that would be read.
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // Said once: every window that remembers something asks again.
        static QString told;
        if (told != path)
            qWarning("corvane: the settings file \"%s\" is not a regular file; it is neither read nor "
                     "written, and nothing chosen (the language, a window's place) is remembered",
                     PathForMessage(path.toStdString()).c_str());
        told = path;
        return nullptr;
    }
    // IniFormat is the native format on Linux; naming the file reads it
    // alone, without the system-wide files a default QSettings reads too.
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

}  // namespace corvane
