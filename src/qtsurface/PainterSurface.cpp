#include "qtsurface/PainterSurface.h"

#include "chart/Palette.h"
#include "qtsurface/ChartPicture.h"
#include "qtsurface/Fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double MillimetresPerInch = 25.4;
// The chart picture is laid out for a 96 dpi screen.
constexpr double ScreenDotsPerInch = 96;
constexpr double PointsPerInch = 72;
// One step of the page's line setting.
constexpr double PageLineStepMillimetres = 0.1;

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// Cuts the segment a-b to the rectangle (Liang-Barsky). Extrapolated points
// can lie kilometres away; the paint engines are kept to sane coordinates.
bool ClipToRect(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, Kind kind) : painter_(&painter), kind_(kind) {
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setBrush(Qt::NoBrush);
}

PainterSurface PainterSurface::ChartPicture(QPainter& painter) {
    PainterSurface surface(painter, Kind::ChartPicture);
    surface.pixelsPerUnitX_ = ChartPictureWidth / ChartPictureUnitsWide;
    surface.pixelsPerUnitY_ = ChartPictureHeight / ChartPictureUnitsHigh;
    surface.left_ = ChartPictureLeft;
    surface.top_ = ChartPictureTop;
    surface.currentX_ = surface.left_;
    surface.currentY_ = surface.top_;
    surface.Font("Times New Roman", 15.75);
    return surface;
}

PainterSurface PainterSurface::Page(QPainter& painter) {
    PainterSurface surface(painter, Kind::Page);
    surface.SetUnitInches(1 / TwipsPerInch);
    surface.Font("Times New Roman", 12);
    return surface;
}

PainterSurface::~PainterSurface() { Flush(); }

double PainterSurface::DotsPerInchX() const {
    if (kind_ == Kind::ChartPicture || painter_->device() == nullptr) return ScreenDotsPerInch;
    return painter_->device()->logicalDpiX();
}

double PainterSurface::DotsPerInchY() const {
    if (kind_ == Kind::ChartPicture || painter_->device() == nullptr) return ScreenDotsPerInch;
    return painter_->device()->logicalDpiY();
}

void PainterSurface::SetUnitInches(double inches) {
    pixelsPerUnitX_ = DotsPerInchX() * inches;
    pixelsPerUnitY_ = DotsPerInchY() * inches;
}

QPointF PainterSurface::Map(double x, double y) const {
    return {(x - left_) * pixelsPerUnitX_, (y - top_) * pixelsPerUnitY_};
}

QPointF PainterSurface::Snap(QPointF p) const {
    if (kind_ != Kind::ChartPicture) return p;
    return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
}

QColor PainterSurface::ColourOf(OptionalColour colour) const {
    return ToQColor(PaletteColour(colour.value_or(foreColour_)));
}

double PainterSurface::PenWidth() const {
    // Qt strokes pens of at most one device pixel with its hairline stroker,
    // whose antialiasing fades both ends of every short segment and leaves
    // the curves dotted; a hair wider takes the area stroker, which covers
    // each pixel by its true share.
    if (kind_ == Kind::ChartPicture) return drawWidth_ + 1e-6;
    // Never thinner than one device dot, or a coarse device loses the grid.
    return std::max(1.0, drawWidth_ * PageLineStepMillimetres / MillimetresPerInch * DotsPerInchX());
}

bool PainterSurface::Drawable() const { return painter_->isActive(); }

void PainterSurface::ApplyPen(const QColor& colour) {
    QPen pen(colour, PenWidth());
    // Square caps fill the end pixels of the screen's 1-pixel lines, where a
    // bevel joins the segments as well as a round join and costs no arcs; on
    // the page round caps and joins keep the 0.4 mm curves smooth.
    const bool picture = kind_ == Kind::ChartPicture;
    pen.setCapStyle(picture ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(picture ? Qt::BevelJoin : Qt::RoundJoin);
    if (lineStyle_ == LineDashed) {
        // Flat caps, or the square caps would close the gaps of a 1-pixel line.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({4, 3});
    }
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
}

void PainterSurface::Flush() {
    if (pending_.size() >= 2 && Drawable()) {
        ApplyPen(pendingColour_);
        painter_->drawPolyline(pending_);
    }
    pending_.clear();
}

void PainterSurface::Segment(double x1, double y1, double x2, double y2, OptionalColour colour) {
    currentX_ = x2;
    currentY_ = y2;
    if (!Drawable() || !Finite(x1, y1) || !Finite(x2, y2)) return;
    const QColor qcolour = ColourOf(colour);
    QPointF a = Snap(Map(x1, y1));
    QPointF b = Snap(Map(x2, y2));

    const QRectF device = painter_->device() != nullptr
                              ? QRectF(0, 0, painter_->device()->width(), painter_->device()->height())
                              : QRectF(0, 0, ChartPictureWidth, ChartPictureHeight);
    const QRectF sane = device.adjusted(-device.width(), -device.height(), device.width(), device.height());
    if (!sane.contains(a) || !sane.contains(b)) {
        Flush();
        if (!ClipToRect(a, b, sane)) return;
        ApplyPen(qcolour);
        painter_->drawLine(a, b);
        return;
    }
    // Joined segments of one colour are drawn as one polyline: faster, and
    // without doubled antialiasing at the joints.
    if (!pending_.isEmpty() && (pending_.last() != a || pendingColour_ != qcolour)) Flush();
    if (pending_.isEmpty()) {
        pending_.append(a);
        pendingColour_ = qcolour;
    }
    pending_.append(b);
}

void PainterSurface::Cls() {
    pending_.clear();
    if (Drawable()) {
        painter_->save();
        painter_->resetTransform();
        if (painter_->device() != nullptr)
            painter_->fillRect(QRect(0, 0, painter_->device()->width(), painter_->device()->height()),
                               Qt::white);
        painter_->restore();
    }
    currentX_ = left_;
    currentY_ = top_;
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, OptionalColour colour) {
    Segment(x1, y1, x2, y2, colour);
}

void PainterSurface::LineTo(double x2, double y2, OptionalColour colour) {
    Segment(currentX_, currentY_, x2, y2, colour);
}

void PainterSurface::Box(double x1, double y1, double x2, double y2) {
    Flush();
    currentX_ = x2;
    currentY_ = y2;
    if (!Drawable() || !Finite(x1, y1) || !Finite(x2, y2)) return;
    ApplyPen(ColourOf(std::nullopt));
    painter_->drawRect(QRectF(Snap(Map(x1, y1)), Snap(Map(x2, y2))).normalized());
}

void PainterSurface::PSet(double x, double y, OptionalColour colour) {
    Flush();
    currentX_ = x;
    currentY_ = y;
    if (!Drawable() || !Finite(x, y)) return;
    const QColor qcolour = ColourOf(colour);
    if (kind_ == Kind::ChartPicture) {
        // One whole pixel (a square of DrawWidth pixels), never blended.
        const QPointF p = Map(x, y);
        const double w = drawWidth_;
        painter_->fillRect(QRectF(std::floor(p.x() - (w - 1) / 2), std::floor(p.y() - (w - 1) / 2), w, w),
                           qcolour);
        return;
    }
    ApplyPen(qcolour);
    painter_->drawPoint(Map(x, y));
}

void PainterSurface::Circle(double x, double y, double radius, OptionalColour colour) {
    Flush();
    currentX_ = x;
    currentY_ = y;
    if (!Drawable() || !Finite(x, y) || !std::isfinite(radius)) return;
    // The radius is in horizontal units; the circle is round on the device.
    const double r = std::abs(radius) * pixelsPerUnitX_;
    const QRectF device = painter_->device() != nullptr
                              ? QRectF(0, 0, painter_->device()->width(), painter_->device()->height())
                              : QRectF(0, 0, ChartPictureWidth, ChartPictureHeight);
    if (r > 4 * (device.width() + device.height())) return;
    ApplyPen(ColourOf(colour));
    painter_->drawEllipse(Snap(Map(x, y)), r, r);
}

void PainterSurface::SetCurrentXY(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

void PainterSurface::ForeColor(int colour) { foreColour_ = colour; }

double PainterSurface::LineHeight() const {
    const QFontMetricsF metrics(font_, painter_->device());
    return metrics.height() / pixelsPerUnitY_;
}

void PainterSurface::Print(std::string_view text) {
    Flush();
    if (Drawable() && Finite(currentX_, currentY_)) {
        const QFontMetricsF metrics(font_, painter_->device());
        QPointF topLeft = Map(currentX_, currentY_);
        double ascent = metrics.ascent();
        if (kind_ == Kind::ChartPicture) {
            // Whole pixels keep the glyphs as sharp as the screen shows them.
            topLeft = QPointF(std::floor(topLeft.x()), std::floor(topLeft.y()));
            ascent = std::round(ascent);
        }
        const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        if (kind_ == Kind::Page) {
            // On the page the wedge caption stands over the thick end of the
            // wedge symbol; a paper-white ground under the text keeps it
            // readable there. Nothing else on the page lies under a text.
            painter_->fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(line), metrics.height())),
                               Qt::white);
        }
        painter_->setFont(font_);
        painter_->setPen(ColourOf(std::nullopt));
        painter_->drawText(QPointF(topLeft.x(), topLeft.y() + ascent), line);
    }
    currentX_ = left_;
    currentY_ += LineHeight();
}

void PainterSurface::DrawStyle(int style) {
    Flush();
    lineStyle_ = style == LineDashed ? LineDashed : LineSolid;
}

void PainterSurface::ScaleModeMillimetres() {
    Flush();
    SetUnitInches(1 / MillimetresPerInch);
    left_ = 0;
    top_ = 0;
}

void PainterSurface::ScaleTop(double y) {
    Flush();
    if (std::isfinite(y)) top_ = y;
}

void PainterSurface::ScaleLeft(double x) {
    Flush();
    if (std::isfinite(x)) left_ = x;
}

void PainterSurface::Font(std::string_view name, double points) {
    Flush();
    if (!std::isfinite(points) || points <= 0) points = font_.pointSizeF() > 0 ? font_.pointSizeF() : 12;
    font_ = NamedFont(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), points);
    if (kind_ == Kind::ChartPicture) {
        // Sized for the 96 dpi screen whatever the image's own resolution:
        // 15.75 pt is 21 pixels.
        font_.setPixelSize(
            std::max(1, static_cast<int>(std::lround(points * ScreenDotsPerInch / PointsPerInch))));
    }
}

void PainterSurface::DrawWidth(int setting) {
    Flush();
    drawWidth_ = std::clamp(setting, 1, 100);
}

void PainterSurface::EndDoc() {
    Flush();
    if (painter_->isActive()) painter_->end();
    if (endDocHandler_) endDocHandler_();
}

}  // namespace corvane
