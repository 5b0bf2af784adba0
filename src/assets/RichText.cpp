#include "assets/RichText.h"

#include <QFontMetricsF>

namespace corvane::assets {
namespace {

QFont FontFor(const QFont& base, Shift shift) {
    if (shift == Shift::Base) return base;
    QFont small = base;
    small.setPixelSize(qMax(1, qRound(base.pixelSize() * 0.68)));
    return small;
}

double BaselineOffset(const QFont& base, Shift shift) {
    switch (shift) {
    case Shift::Sub: return base.pixelSize() * 0.24;
    case Shift::Super: return -base.pixelSize() * 0.40;
    case Shift::Base: break;
    }
    return 0;
}

// The advance of a run, with a little room after a slanted small run so the
// next glyph does not touch it.
double RunAdvance(const TextRun& run, const QFont& base) {
    const QFont font = FontFor(base, run.shift);
    double advance = QFontMetricsF(font).horizontalAdvance(run.text);
    if (run.shift != Shift::Base && font.italic()) advance += base.pixelSize() * 0.08;
    return advance;
}

}  // namespace

RichLine ParseRichLine(const QString& markup) {
    RichLine line;
    QString plain;
    int i = 0;
    while (i < markup.size()) {
        const QChar c = markup[i];
        if ((c == u'_' || c == u'^') && i + 1 < markup.size() && markup[i + 1] == u'{') {
            if (!plain.isEmpty()) line.push_back({plain, Shift::Base});
            plain.clear();
            int close = markup.indexOf(u'}', i + 2);
            if (close < 0) close = markup.size();
            line.push_back({markup.mid(i + 2, close - i - 2), c == u'_' ? Shift::Sub : Shift::Super});
            i = close + 1;
            continue;
        }
        plain += c;
        ++i;
    }
    if (!plain.isEmpty()) line.push_back({plain, Shift::Base});
    return line;
}

double RichLineWidth(const RichLine& line, const QFont& base) {
    double width = 0;
    for (const TextRun& run : line) width += RunAdvance(run, base);
    return width;
}

void DrawRichLine(QPainter& painter, QPointF origin, const RichLine& line, const QFont& base) {
    painter.save();
    double x = origin.x();
    for (const TextRun& run : line) {
        painter.setFont(FontFor(base, run.shift));
        painter.drawText(QPointF(x, origin.y() + BaselineOffset(base, run.shift)), run.text);
        x += RunAdvance(run, base);
    }
    painter.restore();
}

}  // namespace corvane::assets
