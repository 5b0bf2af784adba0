// The start window's sample: two finished charts side by side, letterboxed on white.
#include "assets/Pictures.h"

#include <QImage>
#include <QPainter>

namespace corvane {
namespace {

const QSize PictureSize(624, 428);
const QSize ChartSize(312, 214);

// The charts rendered by corvane-chart at build time; the build stops when
// one cannot be rendered, so they are always there.
QImage RenderedChart(const QString& wedge) {
    return QImage(QStringLiteral(":/corvane/samples/sample-%1.png").arg(wedge));
}

QImage SampleChart(const QString& wedge) {
    return RenderedChart(wedge).scaled(ChartSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
