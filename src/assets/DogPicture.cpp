// A small dog, facing left, for the start window.
#include "assets/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace corvane {

QPixmap DogPicture() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor coat(214, 150, 80);
    const QColor outline(110, 62, 22);
    p.setPen(QPen(outline, 1.0));
    p.setBrush(coat);

    // Tail, raised.
    QPainterPath tail;
    tail.moveTo(25, 17);
    tail.quadTo(30, 14, 29, 8);
    tail.quadTo(27.5, 13, 24, 15);
    p.drawPath(tail);
    // Legs, then the body over their tops.
    for (double x : {9.5, 13.0, 20.5, 24.0}) p.drawRoundedRect(QRectF(x, 21, 3, 8), 1, 1);
    p.drawEllipse(QRectF(8, 14, 19, 10));
    // Head and snout.
    p.drawEllipse(QRectF(3, 6, 11, 10));
    p.drawEllipse(QRectF(0.5, 10.5, 6, 5));
    // Drooping ear.
    p.setBrush(QColor(140, 82, 32));
    QPainterPath ear;
    ear.moveTo(9, 6.5);
    ear.quadTo(14, 6, 13.5, 13);
    ear.quadTo(10.5, 12, 9, 6.5);
    p.drawPath(ear);
    // Eye, nose and collar.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(6.5, 10), 1.1, 1.1);
    p.drawEllipse(QPointF(1.3, 12.2), 1.2, 1.0);
    p.setBrush(QColor(200, 30, 30));
    p.drawRoundedRect(QRectF(9.5, 14.5, 3.2, 3.5), 1, 1);
    return QPixmap::fromImage(image);
}

}  // namespace corvane
