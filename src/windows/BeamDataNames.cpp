#include "windows/BeamDataNames.h"

#include "state/MessageText.h"

#include <QFileInfo>
#include <QFontMetrics>

namespace corvane {

namespace {

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

// `text` escaped as a message escapes it, without the quotation marks.
QString Escaped(const QString& text) {
    const QString quoted = QString::fromStdString(QuoteForMessage(text.toStdString(), MessageCharacterLimit));
    return quoted.mid(1, quoted.size() - 2);
}

QString Quoted(const QString& text, qsizetype characters) {
    return QString::fromStdString(QuoteForMessage(text.toStdString(), static_cast<std::size_t>(characters)));
}

// The room a pattern such as "Beam data: %1" leaves for its place.
int RoomFor(const QString& pattern, const QFontMetrics& metrics, int width) {
    return width - metrics.horizontalAdvance(QString(pattern).remove(QStringLiteral("%1")));
}

}  // namespace

QString BeamDataNames::quoted(const QString& text, const QFontMetrics& metrics, int width,
                              Qt::TextElideMode mode) {
    const int marks = metrics.horizontalAdvance(QStringLiteral("\"\""));
    return QStringLiteral("\"%1\"").arg(metrics.elidedText(Escaped(text), mode, std::max(0, width - marks)));
}

QString BeamDataNames::choiceCaption(const BeamDataChoice& choice, const QFontMetrics& metrics, int width) {
    if (choice.isBundled()) return tr("Beam data: bundled");
    const QString pattern = tr("Beam data: %1");
    return pattern.arg(
        quoted(FileName(choice.chosen()), metrics, RoomFor(pattern, metrics, width), Qt::ElideMiddle));
}

QString BeamDataNames::choiceTip(const BeamDataChoice& choice) {
    const QString file = QFileInfo(QFile::decodeName(choice.file().c_str())).absoluteFilePath();
    const QString path = QString::fromStdString(PathForMessage(file.toStdString(), 80));
    return tr("The start button loads \"%1\". Choose another file here, or drop one onto this window.")
        .arg(path);
}

QString BeamDataNames::fileLine(const OwnBeamData& own, const QFontMetrics& metrics, int width) {
    const QString pattern = tr("Beam data: %1");
    return pattern.arg(
        quoted(FileName(own.file), metrics, RoomFor(pattern, metrics, width), Qt::ElideMiddle));
}

QString BeamDataNames::headingLine(const OwnBeamData& own, const QFontMetrics& metrics, int width) {
    return quoted(own.heading, metrics, width, Qt::ElideRight);
}

QString BeamDataNames::oneLine(const OwnBeamData& own) {
    return tr("Beam data: %1, %2").arg(Quoted(FileName(own.file), 40), Quoted(own.heading, 40));
}

QString BeamDataNames::tableCaption(const QString& designed, const QString& file) {
    return QStringLiteral("%1 – %2").arg(designed, Quoted(FileName(file), 40));
}

QString BeamDataNames::description(const OwnBeamData& own) {
    return QStringLiteral("Beam data: %1, %2").arg(Quoted(FileName(own.file), 100), Quoted(own.heading, 200));
}

}  // namespace corvane
