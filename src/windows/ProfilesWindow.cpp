#include "windows/ProfilesWindow.h"

#include "windows/WindowStyle.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <optional>

namespace corvane {

namespace {

constexpr double Percent = 100;
// The dose axes never end below this, so that 100 % always shows with room.
constexpr double LowestDoseTop = 110;

const QColor CurveColour(0, 0, 192);
const QColor ReferenceColour(128, 128, 128);  // the grey of the chart's reference curves
const QColor MarkerColour(255, 0, 0);         // the red of the cross-hair
const QColor EdgeColour(64, 64, 64);

// The figures' "does not exist".
const QString NoFigure = QStringLiteral("\u2013");

QString Number(double value, int decimals) { return QLocale::system().toString(value, 'f', decimals); }

QString Percentage(double value) { return Number(value, 1) + QStringLiteral(" %"); }

QString WithUnit(const std::optional<double>& value, int decimals, const QString& unit) {
    if (!value) return NoFigure;
    return unit.isEmpty() ? Number(*value, decimals) : Number(*value, decimals) + QLatin1Char(' ') + unit;
}

// A difference with its sign, "+1.9" or "-0.4".
QString SignedNumber(double value, int decimals) {
    const QString text = Number(value, decimals);
    return value > 0 && !text.startsWith(QLatin1Char('+')) ? QLatin1Char('+') + text : text;
}

// The largest dose of the rows the chart shows, in percent.
double LargestDose(const ProfileGrid& grid) {
    double largest = 0;
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double* row = grid.cells->row(J);
        for (int I = grid.region.firstColumn(); I <= grid.region.lastColumn(); ++I)
            if (row[I] > largest) largest = row[I];
    }
    return Percent * largest;
}

// The computed cells down `column`: none outside the computed region.
QList<QPointF> DepthPoints(const ProfileGrid& grid, int column) {
    QList<QPointF> points;
    if (!grid.region.containsColumn(column)) return points;
    points.reserve(LastComputedRow + 1);
    for (int J = 0; J <= LastComputedRow; ++J) points.append(QPointF(J, Percent * (*grid.cells)(column, J)));
    return points;
}

// The computed cells across `row`.
QList<QPointF> LateralPoints(const ProfileGrid& grid, int row) {
    QList<QPointF> points;
    points.reserve(grid.region.lastColumn() - grid.region.firstColumn() + 1);
    const double* cells = grid.cells->row(row);
    for (int I = grid.region.firstColumn(); I <= grid.region.lastColumn(); ++I)
        points.append(QPointF(I - AxisColumn, Percent * cells[I]));
    return points;
}

// A label that breaks its text into lines rather than widen the window, so
// that the window fits beside the chart window on a full-HD screen.
QLabel* Wrapped(QLabel* label) {
    label->setWordWrap(true);
    return label;
}

QLabel* FigureValue(QWidget* parent) {
    auto* label = new QLabel(NoFigure, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for every value, so that a new value never moves the layout.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000.0 mm")));
    return label;
}

}  // namespace

ProfilesWindow::ProfilesWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("ProfilesWindow"));
    setWindowTitle(tr("Corvane profiles"));
    ApplyProgramIcon(this);
    resize(preferredSize());

    depth_ = makePlot(tr("depth (mm)"), 0, LastComputedRow, 50);
    lateral_ = makePlot(tr("off-axis position (mm)"), -AxisColumn, LastChartColumn - AxisColumn, 100);
    lateral_.positionAxis->setMinorTickCount(1);
    for (QLineSeries*& edge : edges_) {
        edge = new QLineSeries;
        edge->setPen(QPen(EdgeColour, 1, Qt::DotLine));
        lateral_.chart->addSeries(edge);
        edge->attachAxis(lateral_.positionAxis);
        edge->attachAxis(lateral_.doseAxis);
        for (QLegendMarker* marker : lateral_.chart->legend()->markers(edge)) marker->setVisible(false);
    }
    regionNote_ = Wrapped(new QLabel(this));
    dataName_ = Wrapped(new QLabel(this));
    dataName_->setTextFormat(Qt::PlainText);  // a heading's "<b>" shows as typed
    dataName_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(2);
    layout->addWidget(dataName_);

    // Each figure as its name and value, at a row and a pair of columns.
    struct FigurePlace {
        QString name;
        int row;
        int pair;
    };
    auto figureGrid = [this](std::initializer_list<FigurePlace> places, QLabel** values, QLabel** names) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(0);
        int i = 0;
        for (const FigurePlace& place : places) {
            values[i] = FigureValue(this);
            auto* name = new QLabel(place.name, this);
            if (names != nullptr) names[i] = name;
            grid->addWidget(name, place.row, 2 * place.pair);
            grid->addWidget(values[i], place.row, 2 * place.pair + 1);
            ++i;
        }
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(2, 1);
        return grid;
    };

    QLabel* depthNames[6] = {};
    layout->addWidget(depth_.heading);
    layout->addWidget(depth_.view, 1);
    layout->addWidget(depth_.value);
    layout->addLayout(figureGrid({{tr("Depth of maximum"), 0, 0},
                                  {tr("Dose at 100 mm"), 1, 0},
                                  {tr("Dose at 200 mm"), 1, 1},
                                  {tr("D200 / D100"), 0, 1},
                                  {tr("D100 / Dmax"), 2, 0},
                                  {tr("D200 / Dmax"), 2, 1}},
                                 depthFigures_, depthNames));
    // Right for both set-ups: relative to the line's own maximum is what
    // the figure is; PDD it is only on the axis of an SSD set-up.
    const QString ofMaximum = tr("The dose at 100 mm and at 200 mm depth in percent of the largest dose on "
                                 "this depth dose line. In the SSD set-up with the cross-hair on the "
                                 "central axis, these are the percentage depth doses PDD(10) and PDD(20).");
    for (int i : {4, 5})
        for (QLabel* label : {depthNames[i], depthFigures_[i]}) label->setToolTip(ofMaximum);
    layout->addSpacing(10);
    layout->addWidget(lateral_.heading);
    layout->addWidget(lateral_.view, 1);
    layout->addWidget(regionNote_);
    layout->addWidget(lateral_.value);
    layout->addWidget(Wrapped(new QLabel(tr("Against the dose on the central axis at this depth:"), this)));
    // The penumbrae one above the other, so that their long names need no
    // second line in the narrowest window.
    layout->addLayout(figureGrid({{tr("Width at 50 %"), 0, 1},
                                  {tr("Penumbra 80–20 %, left"), 0, 0},
                                  {tr("Penumbra 80–20 %, right"), 1, 0}},
                                 lateralFigures_, lateralFigureNames_));
    makeMenu();
}

ProfilesWindow::~ProfilesWindow() = default;

void ProfilesWindow::setDataName(const QString& line) {
    dataName_->setText(line);
    dataName_->setVisible(!line.isEmpty());
}

QSize ProfilesWindow::preferredSize() { return QSize(460, 740); }

QSize ProfilesWindow::leastSize() const { return minimumSizeHint().expandedTo(QSize(400, 0)); }

void ProfilesWindow::makeMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("ProfilesMenu"));
    menu_->addAction(tr("Save profiles as CSV…"), this, &ProfilesWindow::saveCsvRequested);
    menu_->addAction(tr("Copy values"), this, &ProfilesWindow::copyValuesRequested);
    // On the plots as on the rest of the window; the figures keep their own
    // menu for copying a selected value.
    for (QWidget* area : std::initializer_list<QWidget*>{this, depth_.view, lateral_.view}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area](const QPoint& position) { menu_->popup(area->mapToGlobal(position)); });
    }
}

ProfilesWindow::Plot ProfilesWindow::makePlot(const QString& positionTitle, double first, double last,
                                              int tickInterval) {
    Plot plot;
    plot.heading = Wrapped(new QLabel(this));
    QFont bold = plot.heading->font();
    bold.setBold(true);
    plot.heading->setFont(bold);
    plot.value = Wrapped(new QLabel(this));
    plot.value->setTextInteractionFlags(Qt::TextSelectableByMouse);

    plot.chart = new QChart;
    plot.chart->legend()->setVisible(false);
    plot.chart->legend()->setAlignment(Qt::AlignTop);
    plot.chart->setMargins(QMargins(2, 2, 2, 2));
    plot.chart->setBackgroundRoundness(0);

    plot.reference = new QLineSeries;
    plot.reference->setName(tr("reference"));
    QPen referencePen(ReferenceColour, 1.5, Qt::DashLine);
    plot.reference->setPen(referencePen);
    plot.curve = new QLineSeries;
    plot.curve->setName(tr("current"));
    plot.curve->setPen(QPen(CurveColour, 1.5));
    plot.marker = new QScatterSeries;
    plot.marker->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    plot.marker->setMarkerSize(8);
    plot.marker->setColor(MarkerColour);
    plot.marker->setBorderColor(MarkerColour);
    // Beneath the current curve, as on the chart.
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{plot.reference, plot.curve, plot.marker})
        plot.chart->addSeries(series);

    plot.positionAxis = new QValueAxis;
    plot.positionAxis->setTitleText(positionTitle);
    plot.positionAxis->setRange(first, last);
    plot.positionAxis->setTickType(QValueAxis::TicksDynamic);
    plot.positionAxis->setTickAnchor(0);
    plot.positionAxis->setTickInterval(tickInterval);
    plot.positionAxis->setLabelFormat(QStringLiteral("%d"));
    plot.doseAxis = new QValueAxis;
    plot.doseAxis->setTitleText(tr("dose (%)"));
    plot.doseAxis->setTickType(QValueAxis::TicksDynamic);
    plot.doseAxis->setTickAnchor(0);
    plot.doseAxis->setTickInterval(20);
    plot.doseAxis->setLabelFormat(QStringLiteral("%d"));
    plot.doseAxis->setRange(0, LowestDoseTop);
    plot.chart->addAxis(plot.positionAxis, Qt::AlignBottom);
    plot.chart->addAxis(plot.doseAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : plot.chart->series()) {
        series->attachAxis(plot.positionAxis);
        series->attachAxis(plot.doseAxis);
    }
    // The legend names the two curves only.
    for (QLegendMarker* marker : plot.chart->legend()->markers(plot.marker)) marker->setVisible(false);

    plot.view = new QChartView(plot.chart, this);
    plot.view->setRenderHint(QPainter::Antialiasing);
    plot.view->setMinimumHeight(170);
    return plot;
}

void ProfilesWindow::setGrids(const ProfileGrid& current, const ProfileGrid* reference) {
    double largest = LargestDose(current);
    if (reference != nullptr) largest = std::max(largest, LargestDose(*reference));
    const double top = std::max(LowestDoseTop, 10 * std::ceil(largest / 10));
    for (Plot* plot : {&depth_, &lateral_}) {
        plot->doseAxis->setTickInterval(top <= 150 ? 20 : 50);
        plot->doseAxis->setRange(0, top);
        plot->chart->legend()->setVisible(reference != nullptr);
        plot->reference->setVisible(reference != nullptr);
        if (reference == nullptr) plot->reference->clear();
    }
    showRegionEdges(current.region);
}

void ProfilesWindow::showRegionEdges(const ComputedRegion& region) {
    // Nothing to mark where the region is the whole chart.
    const bool marked = region.halfWidth < AxisColumn;
    const double top = lateral_.doseAxis->max();
    for (int side : {0, 1}) {
        const double x = side == 0 ? -region.halfWidth : region.halfWidth;
        edges_[side]->replace(QList<QPointF>{QPointF(x, 0), QPointF(x, top)});
        edges_[side]->setVisible(marked);
    }
    regionNote_->setText(marked ? tr("Dotted: the edge of the computed region, %1 mm from the axis; "
                                     "beyond it the dose is not computed.")
                                      .arg(region.halfWidth)
                                : QString());
    regionNote_->setVisible(marked);
}

QString ProfilesWindow::cursorText(const ProfileGrid& current, const ProfileGrid* reference) const {
    const bool computed = current.region.contains(column_, row_);
    const double dose = Percent * (*current.cells)(column_, row_);
    QString text = tr("x = %1 mm, depth %2 mm: %3")
                       .arg(column_ - AxisColumn)
                       .arg(row_)
                       .arg(computed ? Percentage(dose) : tr("outside the computed region"));
    if (reference == nullptr) return text;
    const double held = Percent * (*reference->cells)(column_, row_);
    if (!reference->region.contains(column_, row_)) {
        if (computed) text += tr("; the reference was not computed here");
    } else if (computed) {
        text += tr("; reference %1 %, difference %2 %").arg(Number(held, 1), SignedNumber(dose - held, 1));
    } else {
        text += tr("; reference %1 %").arg(Number(held, 1));
    }
    return text;
}

void ProfilesWindow::showAt(const ProfileGrid& current, const ProfileGrid* reference, int column, int row) {
    column_ = std::clamp(column, 0, LastChartColumn);
    row_ = std::clamp(row, 0, LastComputedRow);
    const int offAxis = column_ - AxisColumn;

    depth_.curve->replace(DepthPoints(current, column_));
    lateral_.curve->replace(LateralPoints(current, row_));
    // The cursor's point only where there is a dose to mark.
    QList<QPointF> depthMark, lateralMark;
    if (current.region.contains(column_, row_)) {
        const double dose = Percent * (*current.cells)(column_, row_);
        depthMark = {QPointF(row_, dose)};
        lateralMark = {QPointF(offAxis, dose)};
    }
    depth_.marker->replace(depthMark);
    lateral_.marker->replace(lateralMark);

    depth_.heading->setText(tr("Depth dose along x = %1 mm").arg(offAxis));
    lateral_.heading->setText(tr("Lateral profile at depth %1 mm").arg(row_));
    if (reference != nullptr) {
        depth_.reference->replace(DepthPoints(*reference, column_));
        lateral_.reference->replace(LateralPoints(*reference, row_));
    }
    const QString value = cursorText(current, reference);
    depth_.value->setText(value);
    lateral_.value->setText(value);
    showFigures(current);
}

void ProfilesWindow::showFigures(const ProfileGrid& current) {
    const DepthDoseFigures down = DepthDoseFiguresOf(current, column_);
    const QString mm = tr("mm");
    const QString percent = QStringLiteral("%");
    depthFigures_[0]->setText(
        down.depthOfMaximumMm ? QString::number(*down.depthOfMaximumMm) + QLatin1Char(' ') + mm : NoFigure);
    depthFigures_[1]->setText(WithUnit(down.dose100, 1, percent));
    depthFigures_[2]->setText(WithUnit(down.dose200, 1, percent));
    depthFigures_[3]->setText(WithUnit(down.ratio200to100, 3, QString()));
    depthFigures_[4]->setText(WithUnit(down.dose100OfMaximum, 1, percent));
    depthFigures_[5]->setText(WithUnit(down.dose200OfMaximum, 1, percent));

    const LateralFigures across = LateralFiguresOf(current, row_);
    lateralFigures_[0]->setText(WithUnit(across.width50Mm, 1, mm));
    lateralFigures_[1]->setText(WithUnit(across.leftPenumbraMm, 1, mm));
    lateralFigures_[2]->setText(WithUnit(across.rightPenumbraMm, 1, mm));
    const QString why = across.penumbraeWithheldForWedge
                            ? tr("Not given for a wedged field: the dose on the central axis, which the "
                                 "80 % and 20 % levels are taken from, lies between the heel's and the "
                                 "toe's, so the distance would measure the wedge's slope as well.")
                            : QString();
    for (int i : {1, 2})
        for (QLabel* label : {lateralFigureNames_[i], lateralFigures_[i]}) label->setToolTip(why);
}

}  // namespace corvane
