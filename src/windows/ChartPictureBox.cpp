#include "windows/ChartPictureBox.h"

#include "chart/DrawChart.h"
#include "chart/ReferenceOverlay.h"
#include "qtsurface/PainterSurface.h"
#include "windows/ChartCoordinates.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>

#include <cmath>

namespace corvane {

ChartPictureBox::ChartPictureBox(QWidget* parent)
    : QWidget(parent), image_(ChartPictureSize(), QImage::Format_RGB32) {
    image_.fill(Qt::white);
    setFixedSize(ChartPictureWidth + 2 * PictureBorder, ChartPictureHeight + 2 * PictureBorder);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the inner area and the border is painted in full,
    // so nothing underneath needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPictureBox::drawChart(std::shared_ptr<const DoseCalculation> result, ChartMesh mesh) {
    if (!result) return;
    // Repainted on every way out, a throw included, so that whatever was drawn shows.
    const auto repaintWhenDone = qScopeGuard([this] { update(); });
    hasChart_ = false;
    {
        QPainter painter(&image_);
        PainterSurface surface = PainterSurface::ChartPicture(painter);
        drawChartOf(*result, mesh, surface);
        surface.Flush();
    }
    hasChart_ = true;
    drawn_ = std::move(result);
    drawnMesh_ = mesh;
    emit chartDrawn();
}

void ChartPictureBox::redrawChart() { drawChart(drawn_, drawnMesh_); }

const IrradiationConditions& ChartPictureBox::drawnConditions() const {
    static const IrradiationConditions none;
    return drawn_ ? drawn_->Conditions : none;
}

void ChartPictureBox::drawShownChart(DrawingSurface& surface) const {
    if (drawn_) drawChartOf(*drawn_, drawnMesh_, surface);
}

void ChartPictureBox::drawChartOf(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface) const {
    if (reference_)
        DrawChartWithReference(result, *reference_, referenceCaption_, mesh, surface);
    else
        DrawChart(result, mesh, surface);
}

void ChartPictureBox::holdReference(std::shared_ptr<const DoseCalculation> reference,
                                    std::vector<std::string> caption) {
    reference_ = std::move(reference);
    referenceCaption_ = std::move(caption);
}

void ChartPictureBox::clearReference() {
    reference_.reset();
    referenceCaption_.clear();
}

void ChartPictureBox::setLine1Y(double y) {
    OverlayLine moved = line1_;
    moved.Y1 = moved.Y2 = y;
    moveLine(line1_, moved);
}

void ChartPictureBox::setLine2X(double x) {
    OverlayLine moved = line2_;
    moved.X1 = moved.X2 = x;
    moveLine(line2_, moved);
}

void ChartPictureBox::setCrossHairVisible(bool visible) {
    OverlayLine one = line1_, two = line2_;
    one.Visible = two.Visible = visible;
    moveLine(line1_, one);
    moveLine(line2_, two);
}

void ChartPictureBox::moveLine(OverlayLine& line, const OverlayLine& moved) {
    const bool changed = line.Visible != moved.Visible ||
                         ((line.Visible || moved.Visible) && (line.X1 != moved.X1 || line.Y1 != moved.Y1 ||
                                                              line.X2 != moved.X2 || line.Y2 != moved.Y2));
    const OverlayLine old = line;
    line = moved;
    if (!changed) return;
    // Only the strips under the old and the new line are repainted from
    // the image; the rest of the picture stays as it is on screen.
    if (old.Visible) update(widgetRectOf(old));
    if (line.Visible) update(widgetRectOf(line));
}

QLineF ChartPictureBox::pixelLineOf(const OverlayLine& line) {
    // Snapped to pixel centres as the chart's own lines are, so that the
    // cross-hair covers a grid line exactly where the chart drew it.
    auto snap = [](QPointF p) { return QPointF(std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5); };
    const QPointF offset(PictureBorder, PictureBorder);
    return QLineF(snap(ChartUserToPixel({line.X1, line.Y1})) + offset,
                  snap(ChartUserToPixel({line.X2, line.Y2})) + offset);
}

QRect ChartPictureBox::widgetRectOf(const OverlayLine& line) const {
    const QLineF l = pixelLineOf(line);
    return QRectF(l.p1(), l.p2()).normalized().toAlignedRect().adjusted(-2, -2, 2, 2);
}

void ChartPictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inner(PictureBorder, PictureBorder, ChartPictureWidth, ChartPictureHeight);
    // Only the damaged strips: a cross-hair move damages two thin crosses,
    // whose bounding box would be most of the picture.
    for (const QRect& damaged : event->region()) {
        const QRect target = damaged & inner;
        if (!target.isEmpty())
            painter.drawImage(target.topLeft(), image_, target.translated(-inner.topLeft()));
    }

    // A sunken two-pixel border around the inner area.
    const int w = width(), h = height();
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(0, 0, w - 2, 0);
    painter.drawLine(0, 0, 0, h - 2);
    painter.setPen(QColor(105, 105, 105));
    painter.drawLine(1, 1, w - 3, 1);
    painter.drawLine(1, 1, 1, h - 3);
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.setPen(QColor(227, 227, 227));
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 1, w - 2, h - 2);

    if (!line1_.Visible && !line2_.Visible) return;
    painter.setClipRect(inner);
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    for (const OverlayLine* line : {&line1_, &line2_})
        if (line->Visible) painter.drawLine(pixelLineOf(*line));
}

void ChartPictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF inner = event->position() - QPointF(PictureBorder, PictureBorder);
    emit mouseMovedTo(PixelToChartX(inner.x()), PixelToChartY(inner.y()));
    event->accept();
}

void ChartPictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
void ChartPictureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void ChartPictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace corvane
