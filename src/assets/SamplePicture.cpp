// The start window's sample: two finished charts side by side, letterboxed on white.
#include "assets/AssetFonts.h"
#include "assets/Pictures.h"

#include <QImage>
#include <QPainter>

namespace corvane {
namespace {

const QSize PictureSize(624, 428);
const QSize ChartSize(312, 214);

// The charts rendered at build time, when the build had the renderer.
QImage RenderedChart(const QString& wedge) {
#if CORVANE_ASSETS_WITH_SAMPLE_CHARTS
    return QImage(QStringLiteral(":/corvane/samples/sample-%1.png").arg(wedge));
#else
    (void)wedge;
    return {};
#endif
}

// Stands in for a chart when the build could not render one.
QImage PlaceholderChart(const QString& wedge) {
    QImage image(ChartSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(image.rect().adjusted(4, 4, -5, -5));
    p.setPen(Qt::black);
    p.setFont(assets::PixelFont(assets::SerifFamily, 13));
    p.drawText(image.rect().adjusted(12, 10, -12, -10), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("STD = 100 cm   10 x 10 cm   depth 10 cm\nWedge filter : %1").arg(wedge));
    p.setPen(QColor(120, 120, 120));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("(sample chart not built)"));
    return image;
}

QImage SampleChart(const QString& wedge) {
    QImage chart = RenderedChart(wedge);
    if (chart.isNull()) chart = PlaceholderChart(wedge);
    return chart.scaled(ChartSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

bool SampleChartsEmbedded() {
    return !RenderedChart(QStringLiteral("non")).isNull() && !RenderedChart(QStringLiteral("45")).isNull();
}

QPixmap SamplePicture() {
    // Decoding and scaling the two large charts is most of the work, and the
    // result never changes, so it is done once.
    static const QImage picture = [] {
        QImage image(PictureSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        const int top = (PictureSize.height() - ChartSize.height()) / 2;
        p.drawImage(QPoint(0, top), SampleChart(QStringLiteral("non")));
        p.drawImage(QPoint(ChartSize.width(), top), SampleChart(QStringLiteral("45")));
        p.end();
        return image;
    }();
    return QPixmap::fromImage(picture);
}

}  // namespace corvane
