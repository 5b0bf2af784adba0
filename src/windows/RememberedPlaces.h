// What the windows remember from one start to the next besides the
// language: where the user put the profiles window, and the folder a file
// was last saved in. Both live in the program's settings (organisation and
// application "Corvane"). A settings file that is not a regular file (a
// FIFO would block the reading) is left alone: nothing is remembered then.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace corvane {

// The folder the save dialogs open in; empty when none is remembered.
QString RememberedSaveFolder();
void RememberSaveFolder(const QString& folder);

// Follows one window of the program's own: once the program has placed it,
// every move or resize is the user's, and the last one is kept in the
// settings under `key` when the window is hidden or goes.
class WindowPlaceMemory : public QObject {
public:
    // A child of `window`, so that it goes with it.
    WindowPlaceMemory(QWidget* window, const QString& key);
    ~WindowPlaceMemory() override;

    // The frame rectangle the user last gave the window, empty when none is
    // remembered. Where it no longer lies whole on one of the screens (the
    // screens have changed since), it is brought back onto `available`.
    std::optional<QRect> recall(const QList<QRect>& screens, const QRect& available) const;
    // The program has put the window at `frame` (with its frame).
    void placedByProgram(const QRect& frame) { placed_ = frame; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void store();

    QWidget* window_;
    QString key_;
    QRect placed_;
    std::optional<QRect> movedByUser_;
};

}  // namespace corvane
