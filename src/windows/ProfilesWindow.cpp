#include "windows/ProfilesWindow.h"

#include "dose/ProfileFigures.h"
#include "windows/WindowStyle.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
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

// The figures' "does not exist".
const QString NoFigure = QStringLiteral("\u2013");

QString Number(double value, int decimals) { return QLocale::system().toString(value, 'f', decimals); }

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
double LargestDose(const DoseMatrix& grid) {
    double largest = 0;
    for (int J = 0; J <= LastComputedRow; ++J) {
        const double* row = grid.row(J);
        for (int I = 0; I <= LastChartColumn; ++I)
            if (row[I] > largest) largest = row[I];
    }
    return Percent * largest;
}

QList<QPointF> DepthPoints(const DoseMatrix& grid, int column) {
    QList<QPointF> points;
    points.reserve(LastComputedRow + 1);
    for (int J = 0; J <= LastComputedRow; ++J) points.append(QPointF(J, Percent * grid(column, J)));
    return points;
}

QList<QPointF> LateralPoints(const DoseMatrix& grid, int row) {
    QList<QPointF> points;
    points.reserve(LastChartColumn + 1);
    const double* cells = grid.row(row);
    for (int I = 0; I <= LastChartColumn; ++I) points.append(QPointF(I - AxisColumn, Percent * cells[I]));
    return points;
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
    resize(460, 712);

    depth_ = makePlot(tr("depth (mm)"), 0, LastComputedRow, 50);
    lateral_ = makePlot(tr("off-axis position (mm)"), -AxisColumn, LastChartColumn - AxisColumn, 100);
    lateral_.positionAxis->setMinorTickCount(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(2);

    // Each figure as its name and value, at a row and a pair of columns.
    struct FigurePlace {
        QString name;
        int row;
        int pair;
    };
    auto figureGrid = [this](std::initializer_list<FigurePlace> places, QLabel** values) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(0);
        int i = 0;
        for (const FigurePlace& place : places) {
            values[i] = FigureValue(this);
            grid->addWidget(new QLabel(place.name, this), place.row, 2 * place.pair);
            grid->addWidget(values[i], place.row, 2 * place.pair + 1);
            ++i;
        }
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(2, 1);
        return grid;
    };

    layout->addWidget(depth_.heading);
    layout->addWidget(depth_.view, 1);
    layout->addWidget(depth_.value);
    layout->addLayout(figureGrid({{tr("Depth of maximum"), 0, 0},
                                  {tr("Dose at 100 mm"), 1, 0},
                                  {tr("Dose at 200 mm"), 1, 1},
                                  {tr("D200 / D100"), 0, 1}},
                                 depthFigures_));
    layout->addSpacing(10);
    layout->addWidget(lateral_.heading);
    layout->addWidget(lateral_.view, 1);
    layout->addWidget(lateral_.value);
    layout->addWidget(new QLabel(tr("Against the dose on the central axis at this depth:"), this));
    layout->addLayout(figureGrid({{tr("Width at 50 %"), 0, 0},
                                  {tr("Penumbra 80–20 %, left"), 1, 0},
                                  {tr("Penumbra 80–20 %, right"), 1, 1}},
                                 lateralFigures_));
}

ProfilesWindow::~ProfilesWindow() = default;

ProfilesWindow::Plot ProfilesWindow::makePlot(const QString& positionTitle, double first, double last,
                                              int tickInterval) {
    Plot plot;
    plot.heading = new QLabel(this);
    QFont bold = plot.heading->font();
    bold.setBold(true);
    plot.heading->setFont(bold);
    plot.value = new QLabel(this);
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
    plot.view->setMinimumHeight(200);
    return plot;
}

void ProfilesWindow::setGrids(const DoseMatrix& current, const DoseMatrix* reference) {
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
}

void ProfilesWindow::showAt(const DoseMatrix& current, const DoseMatrix* reference, int column, int row) {
    column_ = std::clamp(column, 0, LastChartColumn);
    row_ = std::clamp(row, 0, LastComputedRow);
    const double dose = Percent * current(column_, row_);
    const int offAxis = column_ - AxisColumn;

    depth_.curve->replace(DepthPoints(current, column_));
    lateral_.curve->replace(LateralPoints(current, row_));
    depth_.marker->replace(QList<QPointF>{QPointF(row_, dose)});
    lateral_.marker->replace(QList<QPointF>{QPointF(offAxis, dose)});

    depth_.heading->setText(tr("Depth dose along x = %1 mm").arg(offAxis));
    lateral_.heading->setText(tr("Lateral profile at depth %1 mm").arg(row_));
    QString depthValue = tr("x = %1 mm, depth %2 mm: %3 %").arg(offAxis).arg(row_).arg(Number(dose, 1));
    if (reference != nullptr) {
        depth_.reference->replace(DepthPoints(*reference, column_));
        lateral_.reference->replace(LateralPoints(*reference, row_));
        const double held = Percent * (*reference)(column_, row_);
        depthValue +=
            tr("; reference %1 %, difference %2 %").arg(Number(held, 1), SignedNumber(dose - held, 1));
    }
    depth_.value->setText(depthValue);
    lateral_.value->setText(depthValue);

    const DepthDoseFigures down = DepthDoseFiguresOf(current, column_);
    const QString mm = tr("mm");
    depthFigures_[0]->setText(
        down.depthOfMaximumMm ? QString::number(*down.depthOfMaximumMm) + QLatin1Char(' ') + mm : NoFigure);
    depthFigures_[1]->setText(WithUnit(down.dose100, 1, QStringLiteral("%")));
    depthFigures_[2]->setText(WithUnit(down.dose200, 1, QStringLiteral("%")));
    depthFigures_[3]->setText(WithUnit(down.ratio200to100, 3, QString()));

    const LateralFigures across = LateralFiguresOf(current, row_);
    lateralFigures_[0]->setText(WithUnit(across.width50Mm, 1, mm));
    lateralFigures_[1]->setText(WithUnit(across.leftPenumbraMm, 1, mm));
    lateralFigures_[2]->setText(WithUnit(across.rightPenumbraMm, 1, mm));
}

}  // namespace corvane
