#include "assets/CurvePlot.h"

#include "assets/AssetFonts.h"

#include <QPainterPath>
#include <QTextOption>

#include <cmath>

namespace corvane::assets {
namespace {

// Tick positions from min to max, computed by index so that no step is lost
// to rounding.
std::vector<double> Ticks(const PlotAxis& axis, double step) {
    std::vector<double> ticks;
    if (!(step > 0)) return ticks;
    const int count = static_cast<int>(std::floor((axis.max - axis.min) / step + 1e-9));
    for (int k = 0; k <= count; ++k) ticks.push_back(axis.min + k * step);
    return ticks;
}

}  // namespace

CurvePlot::CurvePlot(QSize size, QRect plotArea, PlotAxis x, PlotAxis y)
    : image_(size, QImage::Format_ARGB32_Premultiplied), area_(plotArea), x_(std::move(x)), y_(std::move(y)) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QPointF CurvePlot::map(double x, double y) const {
    const double fx = (x - x_.min) / (x_.max - x_.min);
    const double fy = (y - y_.min) / (y_.max - y_.min);
    return {area_.left() + fx * area_.width(), area_.bottom() + 1 - fy * area_.height()};
}

void CurvePlot::drawAxes() {
    QPainter& p = painter_;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area_.adjusted(0, 0, 0, 0));

    const QFont tickFont = PixelFont(SerifFamily, 12);
    p.setFont(tickFont);
    const QFontMetrics metrics(tickFont);
    const int bottom = area_.bottom() + 1;

    for (double v : Ticks(x_, x_.minorStep)) {
        const int px = qRound(map(v, y_.min).x());
        p.drawLine(px, bottom, px, bottom - 3);
    }
    for (double v : Ticks(x_, x_.labelStep)) {
        const int px = qRound(map(v, y_.min).x());
        p.drawLine(px, bottom, px, bottom - 6);
        const QString text = QString::number(v, 'f', x_.decimals);
        p.drawText(QRect(px - 30, bottom + 2, 60, metrics.height()), Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (double v : Ticks(y_, y_.minorStep)) {
        const int py = qRound(map(x_.min, v).y());
        p.drawLine(area_.left(), py, area_.left() + 3, py);
    }
    for (double v : Ticks(y_, y_.labelStep)) {
        const int py = qRound(map(x_.min, v).y());
        p.drawLine(area_.left(), py, area_.left() + 6, py);
        const QString text = QString::number(v, 'f', y_.decimals);
        p.drawText(QRect(area_.left() - 44, py - metrics.height() / 2, 40, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }

    const QFont titleFont = PixelFont(SerifFamily, 14);
    p.setFont(titleFont);
    const QFontMetrics titleMetrics(titleFont);
    p.drawText(QRect(area_.left(), bottom + 2 + metrics.height(), area_.width(), titleMetrics.height() + 2),
               Qt::AlignHCenter | Qt::AlignTop, x_.title);
    // The value axis title reads upwards beside the tick labels.
    p.translate(4, area_.center().y());
    p.rotate(-90);
    p.drawText(QRect(-area_.height() / 2, 0, area_.height(), titleMetrics.height()),
               Qt::AlignHCenter | Qt::AlignTop, y_.title);
    p.restore();
}

void CurvePlot::drawCurve(const std::vector<QPointF>& points, const QColor& colour) {
    QPainterPath path;
    bool pen_down = false;
    for (const QPointF& point : points) {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
            pen_down = false;
            continue;
        }
        const QPointF at = map(point.x(), point.y());
        if (pen_down)
            path.lineTo(at);
        else
            path.moveTo(at);
        pen_down = true;
    }
    painter_.save();
    painter_.setClipRect(area_.adjusted(1, 1, 0, 0));
    painter_.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void CurvePlot::drawFailure(const QString& text) {
    painter_.save();
    painter_.setPen(QColor(160, 0, 0));
    // The upper part of the plot only, where the message is easy to find.
    const QRect box = area_.adjusted(8, 6, -8, -area_.height() / 2);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A long text, or one whose lines come out tall, is set smaller until
    // the whole of it fits.
    int pixels = 13;
    painter_.setFont(PixelFont(SerifFamily, pixels));
    while (pixels > 8 && painter_.boundingRect(QRectF(box), text, option).height() > box.height())
        painter_.setFont(PixelFont(SerifFamily, --pixels));
    painter_.setClipRect(box);
    painter_.drawText(QRectF(box), text, option);
    painter_.restore();
}

QPixmap CurvePlot::finish() {
    painter_.end();
    return QPixmap::fromImage(image_);
}

}  // namespace corvane::assets
