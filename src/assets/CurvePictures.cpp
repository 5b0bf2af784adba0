// The TMR and OCR curves of the data table window, drawn from a loaded file.
#include "assets/AssetFonts.h"
#include "assets/CurvePlot.h"
#include "assets/Pictures.h"
#include "assets/RichText.h"

#include <QFontMetrics>

namespace corvane {
namespace {

using assets::CurvePlot;
using assets::PixelFont;
using assets::SerifFamily;

// Ten fields from blue (4 cm) to red (35 cm), dark enough to see on white.
QColor FieldColour(int column) {
    const int hue = 240 - (column - 1) * 240 / (BeamData::FieldColumns - 1);
    return QColor::fromHsv(hue, 230, 190);
}

void DrawTmrLegend(CurvePlot& plot, const BeamData& beam) {
    QPainter& p = plot.painter();
    const QRect area = plot.plotArea();
    const QFont font = PixelFont(SerifFamily, 13);
    p.setPen(Qt::black);

    // The beam quality, top right, above the curves.
    const QString tpr = FormatBeamQuality(BeamQualityTpr2010(beam));
    const auto quality = assets::ParseRichLine(QStringLiteral("TPR_{20,10} = ") +
                                               (tpr.isEmpty() ? QStringLiteral("\u2013") : tpr));
    const auto beamName = assets::ParseRichLine(Pictures::tr("6 MV X-ray"));
    const double x = area.right() - 12 - assets::RichLineWidth(quality, font);
    assets::DrawRichLine(p, QPointF(x, area.top() + 20), beamName, font);
    assets::DrawRichLine(p, QPointF(x, area.top() + 38), quality, font);

    // A colour key per field, bottom right, under the curves.
    const QFont keyFont = PixelFont(SerifFamily, 12);
    p.setFont(keyFont);
    constexpr int cellWidth = 32;
    constexpr int rowHeight = 15;
    const int keyLeft = area.right() - 8 - 5 * cellWidth;
    const int keyTop = area.bottom() - 8 - 3 * rowHeight;
    p.drawText(QRect(keyLeft, keyTop, 5 * cellWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
               Pictures::tr("square field side (cm)"));
    for (int j = 1; j <= BeamData::FieldColumns; ++j) {
        const int kx = keyLeft + ((j - 1) % 5) * cellWidth;
        const int ky = keyTop + (1 + (j - 1) / 5) * rowHeight;
        p.setPen(QPen(FieldColour(j), 2));
        p.drawLine(kx, ky + rowHeight / 2, kx + 10, ky + rowHeight / 2);
        p.setPen(Qt::black);
        p.drawText(QRect(kx + 13, ky, cellWidth - 13, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(BeamData::FixedFieldSizes[j]));
    }
}

}  // namespace

QPixmap TmrCurvesPicture(const BeamDataLoad& load, const QString& failure) {
    CurvePlot plot(QSize(425, 290), QRect(52, 12, 357, 230), {0, 300, 50, 10, 0, Pictures::tr("Depth (mm)")},
                   {0, 1.0, 0.2, 0.1, 1, QStringLiteral("TMR")});
    plot.drawAxes();
    if (!load) {
        plot.drawFailure(failure);
        return plot.finish();
    }
    const BeamData& beam = load->data;
    for (int j = 1; j <= BeamData::FieldColumns; ++j) {
        std::vector<QPointF> points;
        for (int i = 1; i <= BeamData::DepthRows; ++i)
            points.emplace_back(beam.DepthTable[i] * 10.0, beam.TmrTable[i][j]);
        plot.drawCurve(points, FieldColour(j));
    }
    DrawTmrLegend(plot, beam);
    return plot.finish();
}

QPixmap OcrCurvesPicture(const BeamDataLoad& load, const QString& failure) {
    CurvePlot plot(QSize(415, 245), QRect(52, 10, 347, 190),
                   {0, 2.0, 0.5, 0.1, 1, Pictures::tr("Off-axis distance x  (1 = field edge)")},
                   {0, 1.0, 0.2, 0.1, 1, QStringLiteral("OCR")});
    plot.drawAxes();
    if (!load) {
        plot.drawFailure(failure);
        return plot.finish();
    }
    const BeamData& beam = load->data;
    const QColor colours[BeamData::OcrColumns + 1] = {
        {}, QColor(0, 0, 200), QColor(0, 140, 0), QColor(200, 0, 0)};
    QPainter& p = plot.painter();

    // The field edge, where every profile passes through 0.5.
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(plot.map(1.0, 0), plot.map(1.0, 1.0));

    for (int k = 1; k <= BeamData::OcrColumns; ++k) {
        std::vector<QPointF> points;
        for (int i = 1; i <= BeamData::OcrRows; ++i) points.emplace_back(0.1 * (i - 1), beam.OcrTable[i][k]);
        plot.drawCurve(points, colours[k]);
    }

    const QFont font = PixelFont(SerifFamily, 13);
    p.setFont(font);
    const QRect area = plot.plotArea();
    const int left = area.right() - 118;
    for (int k = 1; k <= BeamData::OcrColumns; ++k) {
        const int y = area.top() + 14 + (k - 1) * 18;
        p.setPen(QPen(colours[k], 2));
        p.drawLine(left, y, left + 20, y);
        p.setPen(Qt::black);
        p.drawText(QRect(left + 26, y - 9, 100, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   Pictures::tr("depth %1 cm").arg(15 * (k - 1)));
    }
    return plot.finish();
}

}  // namespace corvane
