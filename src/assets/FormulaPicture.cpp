// The dose formula of the method window, set in italics on one line.
#include "assets/AssetFonts.h"
#include "assets/Pictures.h"
#include "assets/RichText.h"

#include <QFontMetricsF>
#include <QImage>

namespace corvane {

QPixmap FormulaPicture() {
    const QSize size(716, 70);
    const auto formula = assets::ParseRichLine(QStringLiteral(
        "D(d, A_{d}, l) = D(d_{r}, 10 \u00d7 10) \u00b7 OPF_{r}(A) \u00b7 (SAD / (SSD + d))^{2} "
        "\u00b7 TMR(d, A_{d}) \u00b7 OCR(d, A_{d}, l) \u00b7 F_{w}(l\u2032)"));

    // The largest size at which the whole line fits with a margin.
    const double room = size.width() - 16;
    int pixels = 30;
    while (pixels > 8 &&
           assets::RichLineWidth(formula, assets::PixelFont(assets::SerifFamily, pixels, true)) > room)
        --pixels;
    const QFont font = assets::PixelFont(assets::SerifFamily, pixels, true);

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    const double width = assets::RichLineWidth(formula, font);
    const double baseline = (size.height() + metrics.ascent() - metrics.descent()) / 2.0;
    assets::DrawRichLine(p, QPointF((size.width() - width) / 2.0, baseline), formula, font);
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace corvane
