// Which beam data file the start button loads: the bundled one, or a file
// the user chose with the start window's button, its menu of the files used
// last, --data, or by dropping it onto the start window.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>

class QWidget;

namespace corvane {

class BeamDataChoice {
public:
    // The bundled file: LocateBeamDataFile's, looked up anew at each start.
    bool isBundled() const { return chosen_.isEmpty(); }
    // The chosen file's absolute path; empty for the bundled file.
    const QString& chosen() const { return chosen_; }
    // The file the start button reads.
    std::filesystem::path file() const;

    // Chooses `path` (made absolute). The bundled file itself, chosen by
    // its path, stays the bundled file: it is neither checked nor named.
    void choose(const QString& path);
    void chooseBundled() { chosen_.clear(); }

private:
    QString chosen_;
};

// The files that loaded last, newest first; kept in the program's settings.
inline constexpr int RecentBeamDataCount = 5;
QStringList RecentBeamDataFiles();
// Puts `path` at the head of that list.
void RememberBeamDataFile(const QString& path);

// The start window's file dialog, with a seam for the tests: it opens in the
// folder of the file used last and returns the chosen path, empty for a
// cancel. A chooser installed answers in its place (given that folder).
class BeamDataFileDialog {
public:
    using Chooser = std::function<QString(QWidget* parent, const QString& folder)>;
    static QString choose(QWidget* parent, const QString& caption, const QString& filters);
    static void setChooser(Chooser chooser);
};

}  // namespace corvane
