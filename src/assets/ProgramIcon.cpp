// The program's icon: a small fir tree on a transparent ground.
#include "assets/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace corvane {

// Drawn on a 32-unit grid and scaled, so every icon size is sharp, on a
// screen, in a PNG file or as SVG.
void PaintProgramIcon(QPainter& p, double size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    p.setPen(QPen(QColor(92, 51, 23), 1.0));
    p.setBrush(QColor(139, 90, 43));
    p.drawRect(QRectF(13.5, 24, 5, 7));

    const QColor leaf(34, 150, 52);
    const QColor edge(0, 90, 25);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(leaf);
    // Three tiers, widest at the bottom.
    const double tiers[3][3] = {{16, 26, 14}, {10, 20, 11}, {2, 13, 8}};  // top, base, half-width
    for (const auto& t : tiers) {
        QPainterPath tier;
        tier.moveTo(16, t[0]);
        tier.lineTo(16 + t[2], t[1]);
        tier.lineTo(16 - t[2], t[1]);
        tier.closeSubpath();
        p.drawPath(tier);
    }
    p.restore();
}

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintProgramIcon(p, size);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

}  // namespace corvane
