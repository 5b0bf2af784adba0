#include "windows/ChartWindowTools.h"

#include "chart/ReferenceOverlay.h"
#include "dose/CalculationFailure.h"
#include "windows/BeamDataNames.h"
#include "windows/CalculationState.h"
#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowMessages.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"
#include "windows/ProfilesWindow.h"
#include "windows/RememberedPlaces.h"
#include "windows/SaveChart.h"
#include "windows/WindowPlacement.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <optional>

namespace corvane {

ChartWindowTools::ChartWindowTools(Form3& window) : QObject(&window), window_(window) {
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

bool ChartWindowTools::chartComputed() const {
    return window_.isVisible() && window_.Picture1->hasChart() && window_.Picture1->drawnResult();
}

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
        profilesPlace_ = new WindowPlaceMemory(profiles_, QStringLiteral("profilesWindow/frame"));
        connect(profiles_, &ProfilesWindow::saveCsvRequested, this, &ChartWindowTools::saveProfilesAs);
        connect(profiles_, &ProfilesWindow::copyValuesRequested, this, &ChartWindowTools::copyProfileValues);
    }
    if (!profiles_->isVisible()) {
        refreshProfiles();
        placeProfiles();
        profiles_->show();
    }
    profiles_->raise();
}

QList<QRect> ChartWindowTools::keptInSight() const {
    // The readout with its labels, and each button; in screen coordinates.
    QRect readout;
    for (QWidget* part : std::initializer_list<QWidget*>{
             window_.Label1, window_.Label2, window_.Label3, window_.Label4, window_.Label6, window_.Label7,
             window_.Label8, window_.Text1, window_.Text2, window_.Text3})
        readout |= QRect(part->mapToGlobal(QPoint(0, 0)), part->size());
    QList<QRect> kept{readout};
    for (QWidget* button :
         std::initializer_list<QWidget*>{window_.Command1, window_.Command2, window_.Command3})
        kept.append(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    return kept;
}

void ChartWindowTools::placeProfiles() {
    const QScreen* screen = window_.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    // The profiles window's frame is taken to be the chart window's: it is
    // not known before the window is first shown.
    const QRect owner = window_.frameGeometry();
    const QSize frame = owner.size() - window_.geometry().size();
    QList<QRect> screens;
    for (const QScreen* each : QGuiApplication::screens()) screens.append(each->availableGeometry());

    QRect placed;
    if (const std::optional<QRect> remembered = profilesPlace_->recall(screens, available))
        placed = *remembered;
    else
        placed = PlaceBeside(owner, keptInSight(), ProfilesWindow::preferredSize() + frame,
                             profiles_->leastSize() + frame, available);
    profiles_->resize(placed.size() - frame);
    profiles_->move(placed.topLeft());
    profilesPlace_->placedByProgram(placed);
}

void ChartWindowTools::holdReference() {
    if (!chartComputed()) return;
    std::shared_ptr<const DoseCalculation> reference = window_.Picture1->drawnResult();
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
    const ChartPictureBox* picture = window_.Picture1;
    const std::optional<OwnBeamData>& own = window_.module().state().OwnData;
    SaveChart::saveAs(
        &window_, *picture->drawnResult(),
        [picture](DrawingSurface& surface) { picture->drawShownChart(surface); },
        own ? BeamDataNames::description(*own) : QString());
}

void ChartWindowTools::copyChart() {
    if (!chartComputed()) return;
    SaveChart::copy(window_.Picture1->image());
}

void ChartWindowTools::redrawChart() {
    // From the result the picture shows, as it was drawn: done, or why not.
    auto draw = [this]() -> Outcome<void, QString> {
        try {
            window_.Picture1->redrawChart();
            return {};
        } catch (const CalculationFailure& failure) {
            return Fail(QString::fromLocal8Bit(failure.what()));
        } catch (const std::exception& failure) {  // the painter's, Qt's or the allocator's
            return Fail(QString::fromLocal8Bit(failure.what()));
        }
    };
    const Outcome<void, QString> drawn = draw();
    if (drawn) return;
    // A grid once drawn traces the same again, so this is not expected;
    // should it happen all the same, the picture goes back to the chart
    // alone and the user is told, and the cause is left on standard error.
    qWarning().noquote() << "corvane: the chart with its reference could not be drawn:" << drawn.error();
    window_.Picture1->clearReference();
    const Outcome<void, QString> again = draw();
    if (!again) qWarning().noquote() << "corvane: the chart could not be drawn again:" << again.error();
    MessageBoxes::show(&window_,
                       again ? ChartWindowMessages::referenceCleared(drawn.error())
                             : ChartWindowMessages::chartNotRedrawn(again.error()),
                       MessageIcon::Exclamation);
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
    const std::optional<OwnBeamData>& own = window_.module().state().OwnData;
    profiles_->setDataName(own ? BeamDataNames::oneLine(*own) : QString());
    const ProfileGrid current = currentGrid();
    const std::optional<ProfileGrid> reference = referenceGrid();
    profiles_->setGrids(current, reference ? &*reference : nullptr);
    profiles_->showAt(current, reference ? &*reference : nullptr, column, row);
}

ProfileGrid ChartWindowTools::currentGrid() const { return ProfileGridOf(*window_.Picture1->drawnResult()); }

std::optional<ProfileGrid> ChartWindowTools::referenceGrid() const {
    const DoseCalculation* held = window_.Picture1->reference();
    if (held == nullptr) return std::nullopt;
    return ProfileGridOf(*held);
}

void ChartWindowTools::followCursor() {
    cursorSeen_ = true;
    if (!profiles_ || !profiles_->isVisible()) return;
    const std::optional<ProfileGrid> reference = referenceGrid();
    profiles_->showAt(currentGrid(), reference ? &*reference : nullptr, static_cast<int>(window_.CursorX()),
                      static_cast<int>(window_.CursorY()));
}

void ChartWindowTools::saveProfilesAs() {
    if (!profiles_) return;
    const DoseCalculation* held = window_.Picture1->reference();
    SaveChart::saveProfilesAs(profiles_, window_.Picture1->drawnConditions(), profiles_->column(),
                              profiles_->row(), window_.Picture1->drawnResult()->DoseGrid,
                              held ? &held->DoseGrid : nullptr);
}

void ChartWindowTools::copyProfileValues() {
    if (!profiles_) return;
    const DoseCalculation* held = window_.Picture1->reference();
    SaveChart::copyProfileValues(profiles_->column(), profiles_->row(), window_.Picture1->drawnResult()->DoseGrid,
                                 held ? &held->DoseGrid : nullptr);
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
