// A small line chart with labelled axes, shared by the TMR and OCR pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

namespace corvane::assets {

struct PlotAxis {
    double min;
    double max;
    double labelStep;  // labelled ticks
    double minorStep;  // unlabelled ticks; 0 for none
    int decimals;      // of the tick labels
    QString title;
};

class CurvePlot {
public:
    CurvePlot(QSize size, QRect plotArea, PlotAxis x, PlotAxis y);

    QPainter& painter() { return painter_; }
    const QRect& plotArea() const { return area_; }
    QPointF map(double x, double y) const;

    void drawAxes();
    // Joins the points in order, clipped to the plot area; points that are
    // not finite break the line.
    void drawCurve(const std::vector<QPointF>& points, const QColor& colour);
    // Writes in the plot area why there are no curves.
    void drawFailure(const QString& text);

    QPixmap finish();

private:
    QImage image_;
    QPainter painter_;
    QRect area_;
    PlotAxis x_;
    PlotAxis y_;
};

}  // namespace corvane::assets
