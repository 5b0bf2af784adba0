// The exit sign of the start window's exit button: a white arrow and 出口
// ("exit", in the chosen language) on green.
#include "assets/AssetFonts.h"
#include "assets/Pictures.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace corvane {

QPixmap ExitSignPicture() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 150, 70));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The arrow points left, towards the way out.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPolygonF arrow({{3, 7.5}, {11, 1.5}, {11, 5}, {29, 5}, {29, 10}, {11, 10}, {11, 13.5}});
    p.drawPolygon(arrow);

    // At this size even the bold face is thin; a second pass half a pixel
    // over makes the strokes read as on a real sign.
    // A longer word is set smaller, so that it stays on the sign.
    const QString word = Pictures::tr("出口");
    int pixels = 14;
    while (pixels > 6 && QFontMetricsF(assets::PixelFont(assets::JapaneseFamily, pixels, false, true))
                                 .horizontalAdvance(word) > 30)
        --pixels;
    p.setPen(Qt::white);
    p.setFont(assets::PixelFont(assets::JapaneseFamily, pixels, false, true));
    for (double dx : {0.0, 0.5})
        p.drawText(QRectF(dx, 13, 32, 18), Qt::AlignHCenter | Qt::AlignVCenter, word);
    return QPixmap::fromImage(image);
}

}  // namespace corvane
