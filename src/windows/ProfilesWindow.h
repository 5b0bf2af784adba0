// The profiles window of the chart window: the depth dose down the
// cross-hair's vertical line and the lateral profile along its horizontal
// line, drawn with Qt Charts over the cells the calculation computed, with
// the edge of that region marked and the reference's profiles dashed while
// one is held; the teaching figures of both lines under the plots; and a
// menu that saves or copies the numbers.
#pragma once

#include "dose/ProfileFigures.h"

#include <QWidget>

class QAction;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QMenu;
class QScatterSeries;
class QValueAxis;

namespace corvane {

class ProfilesWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own, owned by `owner` (the chart window), so that it
    // goes with it.
    explicit ProfilesWindow(QWidget* owner);
    ~ProfilesWindow() override;

    // The size it opens with where the screen has room, and the least in
    // which everything still reads.
    static QSize preferredSize();
    QSize leastSize() const;

    // The dose axes from 0 to the largest dose of the chart's rows in these
    // grids, rounded up to a multiple of 10 %, never below 110 %. Shows the
    // reference's curves and the legend only when `reference` is given.
    void setGrids(const ProfileGrid& current, const ProfileGrid* reference);

    // Both plots and their figures for the cross-hair at grid cell (column,
    // row): the depth dose down `column` (0..500), the lateral profile across
    // `row` (0..250), each over its grid's computed region, with the
    // cursor's point marked and its value printed (or, outside the computed
    // region, that it lies there), and with a reference the difference
    // current - reference where both were computed.
    void showAt(const ProfileGrid& current, const ProfileGrid* reference, int column, int row);

    // The line over the plots that names beam data other than the bundled
    // file; empty hides it.
    void setDataName(const QString& line);
    QLabel* dataNameLabel() const { return dataName_; }

    int column() const { return column_; }
    int row() const { return row_; }

    // The window's right-click menu: "Save profiles as CSV…", "Copy values".
    QMenu* contextMenu() const { return menu_; }

    // What the window shows, for the tests and the benchmark.
    QChartView* depthView() const { return depth_.view; }
    QChartView* lateralView() const { return lateral_.view; }
    QLineSeries* depthCurve() const { return depth_.curve; }
    QLineSeries* depthReferenceCurve() const { return depth_.reference; }
    QScatterSeries* depthMarker() const { return depth_.marker; }
    QLineSeries* lateralCurve() const { return lateral_.curve; }
    QLineSeries* lateralReferenceCurve() const { return lateral_.reference; }
    QScatterSeries* lateralMarker() const { return lateral_.marker; }
    // The dotted lines at the edges of the computed region, left and right.
    QLineSeries* regionEdge(int side) const { return edges_[side]; }
    QLabel* depthValueLabel() const { return depth_.value; }
    QLabel* lateralValueLabel() const { return lateral_.value; }
    // The figures' values in their order: depth of maximum, D100, D200,
    // D200/D100, D100/Dmax, D200/Dmax; width at 50 %, left and right penumbra.
    QLabel* depthFigure(int index) const { return depthFigures_[index]; }
    QLabel* lateralFigure(int index) const { return lateralFigures_[index]; }

signals:
    void saveCsvRequested();
    void copyValuesRequested();

private:
    struct Plot {
        QChart* chart = nullptr;
        QChartView* view = nullptr;
        QLineSeries* curve = nullptr;
        QLineSeries* reference = nullptr;
        QScatterSeries* marker = nullptr;
        QValueAxis* positionAxis = nullptr;
        QValueAxis* doseAxis = nullptr;
        QLabel* heading = nullptr;
        QLabel* value = nullptr;
    };
    Plot makePlot(const QString& positionTitle, double first, double last, int tickInterval);
    void makeMenu();
    void showRegionEdges(const ComputedRegion& region);
    void showFigures(const ProfileGrid& current);
    QString cursorText(const ProfileGrid& current, const ProfileGrid* reference) const;

    Plot depth_;
    Plot lateral_;
    QLineSeries* edges_[2] = {};
    QLabel* regionNote_ = nullptr;
    QLabel* dataName_ = nullptr;
    QLabel* depthFigures_[6] = {};
    QLabel* lateralFigures_[3] = {};
    QLabel* lateralFigureNames_[3] = {};
    QMenu* menu_ = nullptr;
    int column_ = AxisColumn;
    int row_ = 0;
};

}  // namespace corvane
