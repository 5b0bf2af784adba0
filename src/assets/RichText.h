// One line of text with lowered subscripts and raised superscripts, written
// as "TPR_{20,10}" and "(...)^{2}".
#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <vector>

namespace corvane::assets {

enum class Shift { Base, Sub, Super };

struct TextRun {
    QString text;
    Shift shift = Shift::Base;
};

using RichLine = std::vector<TextRun>;

// "_{...}" lowers and "^{...}" raises what the braces hold; an unclosed
// brace runs to the end; everything else is plain text.
RichLine ParseRichLine(const QString& markup);

double RichLineWidth(const RichLine& line, const QFont& base);
// Draws the line with its baseline starting at `origin`, in the painter's pen.
void DrawRichLine(QPainter& painter, QPointF origin, const RichLine& line, const QFont& base);

}  // namespace corvane::assets
