#include "windows/ChartWindowTools.h"

#include "chart/ReferenceOverlay.h"
#include "state/CalculationState.h"
#include "windows/ChartPictureBox.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/ProfilesWindow.h"
#include "windows/SaveChart.h"
#include "windows/WindowPlacement.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <memory>

namespace corvane {

ChartWindowTools::ChartWindowTools(Form3& window, CalculationState& state)
    : QObject(&window), window_(window), state_(state) {
    menu_ = new QMenu(&window);
    menu_->setObjectName(QStringLiteral("ChartMenu"));
    profilesAction_ = menu_->addAction(tr("Profiles"), this, &ChartWindowTools::openProfiles);
    holdAction_ = menu_->addAction(tr("Hold as reference"), this, &ChartWindowTools::holdReference);
    clearAction_ = menu_->addAction(tr("Clear reference"), this, &ChartWindowTools::clearReference);
    saveAction_ = menu_->addAction(tr("Save chart as…"), this, &ChartWindowTools::saveChartAs);
    copyAction_ = menu_->addAction(tr("Copy chart"), this, &ChartWindowTools::copyChart);
    // The menu names the keys; the window's key preview does the work
    // (handleShortcut), so that a readout box keeps its own Ctrl+C.
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    copyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    for (QAction* action : {saveAction_, copyAction_}) action->setShortcutContext(Qt::WidgetShortcut);

    ChartPictureBox* picture = window.Picture1;
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture, &QWidget::customContextMenuRequested, this, &ChartWindowTools::showContextMenu);
    connect(picture, &ChartPictureBox::chartDrawn, this, &ChartWindowTools::chartDrawn);
}

ChartWindowTools::~ChartWindowTools() = default;

bool ChartWindowTools::chartComputed() const { return window_.isVisible() && window_.Picture1->hasChart(); }

ProfilesWindow* ChartWindowTools::profilesWindow() const { return profiles_.data(); }

bool ChartWindowTools::hasReference() const { return window_.Picture1->reference() != nullptr; }

void ChartWindowTools::showContextMenu(const QPoint& position) {
    const bool computed = chartComputed();
    for (QAction* action : {profilesAction_, holdAction_, saveAction_, copyAction_})
        action->setEnabled(computed);
    clearAction_->setEnabled(hasReference());
    // Not modal: the menu closes by itself when an entry is chosen or the
    // user clicks elsewhere.
    menu_->popup(window_.Picture1->mapToGlobal(position));
}

void ChartWindowTools::openProfiles() {
    if (!chartComputed()) return;
    if (!profiles_) {
        profiles_ = new ProfilesWindow(&window_);
        // The chart window keeps the keyboard, for the arrow keys.
        profiles_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    if (!profiles_->isVisible()) {
        refreshProfiles();
        // Beside the chart window, frame included, as far as the screen allows.
        const QRect owner = window_.frameGeometry();
        const QSize frame = owner.size() - window_.geometry().size();
        if (const QScreen* screen = window_.screen())
            profiles_->move(PlaceBeside(owner, profiles_->size() + frame, screen->availableGeometry()));
        profiles_->show();
    }
    profiles_->raise();
}

std::unique_ptr<CalculationState> ChartWindowTools::shownState() const {
    auto shown = std::make_unique<CalculationState>(state_);
    shown->Conditions = window_.Picture1->drawnConditions();
    return shown;
}

void ChartWindowTools::holdReference() {
    if (!chartComputed()) return;
    std::unique_ptr<CalculationState> reference = shownState();
    std::vector<std::string> caption = ReferenceCaptionLines(
        reference->Conditions, tr("Reference (grey, dashed)").toStdString(), tr("Depth").toStdString());
    window_.Picture1->holdReference(std::move(reference), std::move(caption));
    redrawChart();
}

void ChartWindowTools::clearReference() {
    if (!hasReference()) return;
    window_.Picture1->clearReference();
    redrawChart();
}

void ChartWindowTools::saveChartAs() {
    if (!chartComputed()) return;
    ChartPictureBox* picture = window_.Picture1;
    const std::unique_ptr<CalculationState> shown = shownState();
    CalculationState& state = *shown;
    SaveChart::saveAs(&window_, state, [picture, &state](DrawingSurface& surface) {
        picture->drawShownChart(state, surface);
    });
}

void ChartWindowTools::copyChart() {
    if (!chartComputed()) return;
    SaveChart::copy(window_.Picture1->image());
}

void ChartWindowTools::redrawChart() {
    // Drawn from a copy, so that the chart comes out as it was drawn and the
    // program's state is left as the calculation left it.
    auto draw = [this] {
        const std::unique_ptr<CalculationState> shown = shownState();
        // The curve tables start afresh, as in a calculation's drawing.
        shown->Curves.reset();
        window_.Picture1->drawChart(*shown);
    };
    try {
        draw();
    } catch (...) {
        // A grid once drawn traces the same again, so this is not expected;
        // should it happen all the same, the picture goes back to the chart
        // alone and the user is told.
        window_.Picture1->clearReference();
        try {
            draw();
        } catch (...) {}
        MessageBoxes::show(&window_, tr("The reference could not be drawn, so it was cleared."),
                           MessageIcon::Exclamation);
    }
}

void ChartWindowTools::chartDrawn() { refreshProfiles(); }

void ChartWindowTools::refreshProfiles() {
    if (!profiles_) return;
    // Until the cross-hair has been in the chart: the central axis and the
    // target's row, the point the chart is normalised to. Afterwards the
    // cross-hair's last cell, which a new calculation leaves where it was.
    int column = AxisColumn;
    int row = 0;
    if (cursorSeen_) {
        column = static_cast<int>(window_.CursorX());
        row = static_cast<int>(window_.CursorY());
    } else if (const double targetRow = std::floor(10 * window_.Picture1->drawnConditions().Depth);
               std::isfinite(targetRow)) {
        row = static_cast<int>(std::clamp(targetRow, 0.0, double(LastComputedRow)));
    }
    profiles_->setGrids(state_.DoseGrid, referenceGrid());
    profiles_->showAt(state_.DoseGrid, referenceGrid(), column, row);
}

const DoseMatrix* ChartWindowTools::referenceGrid() const {
    const CalculationState* held = window_.Picture1->reference();
    return held != nullptr ? &held->DoseGrid : nullptr;
}

void ChartWindowTools::followCursor() {
    cursorSeen_ = true;
    if (!profiles_ || !profiles_->isVisible()) return;
    profiles_->showAt(state_.DoseGrid, referenceGrid(), static_cast<int>(window_.CursorX()),
                      static_cast<int>(window_.CursorY()));
}

bool ChartWindowTools::handleShortcut(const QKeyEvent& key, QWidget* focused) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
    if (key.key() == Qt::Key_S) {
        if (!chartComputed()) return false;
        saveChartAs();
        return true;
    }
    if (key.key() == Qt::Key_C) {
        for (QLineEdit* box : {window_.Text1, window_.Text2, window_.Text3})
            if (focused == box && box->hasSelectedText()) return false;
        if (!chartComputed()) return false;
        copyChart();
        return true;
    }
    return false;
}

void ChartWindowTools::chartWindowHidden() {
    profilesWereOpen_ = profiles_ && profiles_->isVisible();
    if (profilesWereOpen_) profiles_->hide();
}

void ChartWindowTools::chartWindowShown() {
    if (!profilesWereOpen_ || !profiles_) return;
    profilesWereOpen_ = false;
    refreshProfiles();
    profiles_->show();
}

}  // namespace corvane
