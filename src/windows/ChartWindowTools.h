// What the chart window offers beyond its design, all on the picture's
// right-click menu: the profiles window, a reference chart held beneath the
// current one, and the chart saved to a file or copied; with Ctrl+S and
// Ctrl+C for the last two. Nothing here changes the designed state.
#pragma once

#include "dose/ProfileFigures.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>

class QAction;
class QKeyEvent;
class QMenu;
class QPoint;
class QWidget;

namespace corvane {

class Form3;
class ProfilesWindow;
class WindowPlaceMemory;

class ChartWindowTools : public QObject {
    Q_OBJECT
public:
    // Lives as a child of `window`, and so does the profiles window.
    explicit ChartWindowTools(Form3& window);
    ~ChartWindowTools() override;

    // The picture's menu, at a position in the picture: "Profiles", "Hold as
    // reference", "Clear reference", "Save chart as…", "Copy chart".
    void showContextMenu(const QPoint& position);
    QMenu* contextMenu() const { return menu_; }

    // Opens the profiles window where the user last put it, else beside the
    // chart window, or over its picture where neither side has room, but
    // never over the readout or the buttons (keptInSight).
    void openProfiles();
    void holdReference();
    void clearReference();
    void saveChartAs();
    void copyChart();
    // The profiles window's menu: both profiles at the cross-hair.
    void saveProfilesAs();
    void copyProfileValues();

    bool hasReference() const;
    // Null until the profiles are first opened.
    ProfilesWindow* profilesWindow() const;

    // The cross-hair has moved to the chart window's CursorX, CursorY; the
    // profiles follow it.
    void followCursor();
    // Ctrl+S and Ctrl+C, seen by the window's key preview; true when the
    // key was taken. Ctrl+C in a readout box that holds a selection is the
    // box's own copy.
    bool handleShortcut(const QKeyEvent& key, QWidget* focused);
    // The chart window was hidden or shown: the profiles go and come back with it.
    void chartWindowHidden();
    void chartWindowShown();

private:
    // A chart was drawn: the profiles show the new grid.
    void chartDrawn();
    void refreshProfiles();
    void placeProfiles();
    // What the profiles window must never cover: the readout with its
    // labels, and each button, in screen coordinates.
    QList<QRect> keptInSight() const;
    // The grid the picture shows, and the held reference's (empty when none
    // is held), with their computed regions.
    ProfileGrid currentGrid() const;
    std::optional<ProfileGrid> referenceGrid() const;
    // Draws the picture again from the result it shows, for a new reference.
    void redrawChart();
    bool chartComputed() const;

    Form3& window_;
    QMenu* menu_ = nullptr;
    QAction* profilesAction_ = nullptr;
    QAction* holdAction_ = nullptr;
    QAction* clearAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QPointer<ProfilesWindow> profiles_;
    WindowPlaceMemory* profilesPlace_ = nullptr;  // a child of the profiles window
    bool profilesWereOpen_ = false;               // when the chart window was hidden
    bool cursorSeen_ = false;                     // the cross-hair has been in the chart
};

}  // namespace corvane
