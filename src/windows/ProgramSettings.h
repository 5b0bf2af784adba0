// The program's settings file (the language chosen last, the places and
// folders the windows remember), read only when it is a regular file: QSettings opens it for reading at once, and a FIFO
// there would block the start for ever, a device feed it without end.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace corvane {

// The file QSettings uses for organisation and application "Corvane":
// Corvane/Corvane.conf in the user's configuration folder ($XDG_CONFIG_HOME,
// else ~/.config).
QString ProgramSettingsPath();

// The settings in the file at `path` (missing is fine: it is made when a
// setting is saved). Every reader and writer of the settings opens them
// here. Nothing, after one line on standard error (once per path), when
// something other than a regular file stands there: the program then runs
// without remembered settings.
std::unique_ptr<QSettings> OpenProgramSettings(const QString& path = ProgramSettingsPath());

}  // namespace corvane
