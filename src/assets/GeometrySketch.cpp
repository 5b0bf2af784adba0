// The sketch of the irradiation geometry on the method window.
#include "assets/AssetFonts.h"
#include "assets/Pictures.h"
#include "assets/RichText.h"

#include <QImage>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace corvane {
namespace {

// Vertical positions in pixels; the sketch is schematic, not to scale.
constexpr double AxisX = 200;
constexpr double SourceY = 40;
constexpr double WedgeTopY = 138;
constexpr double WedgeBottomY = 160;
constexpr double SurfaceY = 236;
constexpr double TargetY = 330;
constexpr double PointY = 400;
constexpr double PhantomBottomY = 478;
constexpr double BeamSlope = 0.245;  // half-width grows by this much per pixel of depth
constexpr double PointOffset = 58;   // l, in pixels

double HalfWidthAt(double y) { return BeamSlope * (y - SourceY); }

void ArrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QLineF back(tip, from);
    const double angle = std::atan2(back.dy(), back.dx());
    constexpr double length = 7;
    constexpr double spread = 0.38;
    QPolygonF head({tip, tip + QPointF(length * std::cos(angle + spread), length * std::sin(angle + spread)),
                    tip + QPointF(length * std::cos(angle - spread), length * std::sin(angle - spread))});
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

// A dimension line with a head at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    ArrowHead(p, a, b);
    ArrowHead(p, b, a);
}

void Label(QPainter& p, QPointF baseline, const QString& markup, const QFont& font) {
    assets::DrawRichLine(p, baseline, assets::ParseRichLine(markup), font);
}

// A label that reads upwards, centred on `centre`.
void VerticalLabel(QPainter& p, QPointF centre, const QString& text, const QFont& font) {
    p.save();
    p.translate(centre);
    p.rotate(-90);
    p.setFont(font);
    const QRectF box(-60, -10, 120, 20);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void DrawPhantom(QPainter& p) {
    const QRectF phantom(QPointF(20, SurfaceY), QPointF(412, PhantomBottomY));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(228, 240, 252));
    p.drawRect(phantom);

    // The surface: a firm line with a band of hatching beneath it.
    p.save();
    p.setClipRect(QRectF(phantom.left(), SurfaceY, phantom.width(), 11));
    p.setPen(QPen(QColor(40, 60, 110), 1));
    for (double x = phantom.left() - 12; x < phantom.right() + 12; x += 7)
        p.drawLine(QPointF(x, SurfaceY + 12), QPointF(x + 12, SurfaceY));
    p.restore();
    p.setPen(QPen(QColor(20, 30, 80), 2));
    p.drawLine(QPointF(phantom.left(), SurfaceY), QPointF(phantom.right(), SurfaceY));
    p.setPen(QPen(QColor(20, 30, 80), 1));
    p.drawLine(QPointF(phantom.left(), SurfaceY), QPointF(phantom.left(), PhantomBottomY));
    p.drawLine(QPointF(phantom.right(), SurfaceY), QPointF(phantom.right(), PhantomBottomY));
}

void DrawBeam(QPainter& p) {
    const double reach = PhantomBottomY - 6;
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.drawLine(QPointF(AxisX, SourceY), QPointF(AxisX - HalfWidthAt(reach), reach));
    p.drawLine(QPointF(AxisX, SourceY), QPointF(AxisX + HalfWidthAt(reach), reach));

    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(QPointF(AxisX, SourceY - 14), QPointF(AxisX, PhantomBottomY + 8));

    // The wedge: a lead block across the beam, thick at the heel on the left.
    const double halfWedge = HalfWidthAt(WedgeBottomY) + 16;
    const QPolygonF wedge({{AxisX - halfWedge, WedgeTopY - 2},
                           {AxisX + halfWedge, WedgeBottomY - 5},
                           {AxisX + halfWedge, WedgeBottomY},
                           {AxisX - halfWedge, WedgeBottomY}});
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawPolygon(wedge);

    // The source.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(AxisX, SourceY), 4.5, 4.5);
}

}  // namespace

QPixmap GeometrySketch() {
    QImage image(425, 492, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    DrawPhantom(p);
    DrawBeam(p);

    const QFont label = assets::PixelFont(assets::SerifFamily, 16, true);
    const QFont small = assets::PixelFont(assets::SerifFamily, 14, true);
    const QPen thin(Qt::black, 1);
    const QPen guide(QColor(110, 110, 110), 1, Qt::DotLine);

    // Planes: the source level, the target plane at SAD / STD, and depth d.
    p.setPen(guide);
    p.drawLine(QPointF(30, SourceY), QPointF(AxisX - 8, SourceY));
    p.drawLine(QPointF(30, TargetY), QPointF(404, TargetY));
    p.drawLine(QPointF(AxisX, PointY), QPointF(404, PointY));
    p.drawLine(QPointF(AxisX, WedgeBottomY + 14), QPointF(AxisX + 40, WedgeBottomY + 14));

    // Distances from the source, on the left.
    p.setPen(thin);
    Dimension(p, QPointF(40, SourceY), QPointF(40, TargetY));
    Dimension(p, QPointF(86, SourceY), QPointF(86, SurfaceY));
    p.setPen(Qt::black);
    VerticalLabel(p, QPointF(29, (SourceY + SurfaceY) / 2), QStringLiteral("SAD / STD"), small);
    VerticalLabel(p, QPointF(76, (SourceY + SurfaceY) / 2), QStringLiteral("SSD"), small);
    Label(p, QPointF(AxisX - 22, SourceY + 6), QStringLiteral("S"), label);

    // Depth d, on the right, from the surface to the plane of the point.
    p.setPen(thin);
    Dimension(p, QPointF(396, SurfaceY), QPointF(396, PointY));
    Label(p, QPointF(380, (SurfaceY + PointY) / 2 + 5), QStringLiteral("d"), label);

    // Field widths: A at the target plane, A_d at depth d.
    const double halfA = HalfWidthAt(TargetY);
    const double halfAd = HalfWidthAt(PointY);
    p.setPen(thin);
    Dimension(p, QPointF(AxisX - halfA, TargetY), QPointF(AxisX + halfA, TargetY));
    Dimension(p, QPointF(AxisX - halfAd, PointY), QPointF(AxisX + halfAd, PointY));
    Label(p, QPointF(AxisX - halfA / 2 - 6, TargetY - 6), QStringLiteral("A"), label);
    Label(p, QPointF(AxisX - halfAd / 2 - 10, PointY - 6), QStringLiteral("A_{d}"), label);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(AxisX, TargetY), 3, 3);

    // The point at l from the axis, and the ray through it back to the source.
    const QPointF point(AxisX + PointOffset, PointY);
    const double wedgeLevel = WedgeBottomY + 14;
    const double lPrime = PointOffset * (wedgeLevel - SourceY) / (PointY - SourceY);
    p.setPen(QPen(QColor(0, 90, 200), 1.2, Qt::DashLine));
    p.drawLine(QPointF(AxisX, SourceY), point);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 90, 200));
    p.drawEllipse(point, 4, 4);

    p.setPen(thin);
    Dimension(p, QPointF(AxisX, PointY + 20), QPointF(point.x(), PointY + 20));
    p.drawLine(point + QPointF(0, 4), QPointF(point.x(), PointY + 26));
    Label(p, QPointF(AxisX + PointOffset / 2 - 3, PointY + 38), QStringLiteral("l"), label);
    // The point's name sits outside the beam, joined to the point by a leader.
    const QPointF nameAt(AxisX + HalfWidthAt(PointY) + 14, PointY - 30);
    p.setPen(QPen(QColor(0, 90, 200), 1));
    p.drawLine(point + QPointF(3, -3), nameAt + QPointF(-2, 4));
    p.setPen(Qt::black);
    Label(p, nameAt, QStringLiteral("D(d,A_{d},l)"), label);

    p.setPen(thin);
    Dimension(p, QPointF(AxisX, wedgeLevel), QPointF(AxisX + lPrime, wedgeLevel));
    Label(p, QPointF(AxisX + lPrime / 2 - 5, wedgeLevel + 19), QStringLiteral("l\u2032"), label);

    // Names of the parts.
    const QFont note = assets::PixelFont(assets::SerifFamily, 13);
    p.setPen(QColor(60, 60, 60));
    Label(p, QPointF(AxisX + HalfWidthAt(WedgeBottomY) + 22, WedgeTopY + 6), Pictures::tr("wedge"), note);
    Label(p, QPointF(290, SurfaceY - 6), Pictures::tr("phantom surface"), note);
    Label(p, QPointF(300, TargetY - 6), Pictures::tr("target plane"), note);
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace corvane
