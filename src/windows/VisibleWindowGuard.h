// Ends the program once none of its windows is left on screen, so that it
// never runs on with no window to end it from.
#pragma once

#include <QObject>

#include <functional>

namespace corvane {

class VisibleWindowGuard : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application; `endProgram` runs when the
    // last visible one has gone.
    explicit VisibleWindowGuard(std::function<void()> endProgram, QObject* parent = nullptr);
    ~VisibleWindowGuard() override;

    // True while some top-level widget of the program is on screen.
    static bool AnyWindowVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void CheckWindows();

private:
    std::function<void()> m_endProgram;
    bool m_checkPending = false;
    bool m_ended = false;  // asked once; asked again only after a window came back
};

}  // namespace corvane
