// Makes the program's QApplication without Qt's abort when there is no
// display: a desktop program started from a text console, over ssh without
// X forwarding, or by a script, must say what is missing and end cleanly.
#pragma once

#include <QApplication>

#include <memory>

namespace corvane {

// The line written when Qt finds no display to show the windows on.
inline constexpr const char* NoDisplayLine =
    "corvane: no display to show the windows on; set DISPLAY or WAYLAND_DISPLAY, or start with "
    "-platform offscreen\n";

// Constructs the QApplication on `argc` and `argv`, which must outlive it.
// When Qt cannot start its window platform, writes NoDisplayLine to standard
// error and ends the program with exit code 1 instead of Qt's abort; the
// notes Qt wrote on its way there are left out. Otherwise the notes reach the
// message handler installed before, as if nothing had held them.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace corvane
