#include "windows/DataTableListing.h"

#include "state/MessageText.h"
#include "windows/DataTableMessages.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace corvane {

namespace {
bool DecodesCleanly(QStringDecoder& decoder, const QByteArray& bytes, QString& text) {
    if (!decoder.isValid()) return false;
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DisplayName(const std::filesystem::path& file) {
    return QString::fromStdString(PathForMessage(file.string()));
}
}  // namespace

QString DecodeDataFileText(const QByteArray& bytes) {
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    if (DecodesCleanly(utf8, bytes, text)) return text;
    QStringDecoder shiftJis("Shift_JIS");
    if (DecodesCleanly(shiftJis, bytes, text)) return text;
    return QString::fromLatin1(bytes);
}

QStringList SplitDataFileLines(const QString& text, int maxLines) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size && lines.size() < maxLines) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n') ++end;
        lines.append(text.mid(start, end - start));
        if (end < size && text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n') ++end;
        start = end + 1;
    }
    return lines;
}

DataTableListing ReadDataTableListing(const std::filesystem::path& file) {
    DataTableListing listing;
    listing.file = file;
    const QString name = DisplayName(file);

    QFile input(name);
    if (!QFileInfo(input).isFile()) {
        listing.problem = DataTableMessages::notFound(name, DataTableLineCount);
        return listing;
    }
    if (!input.open(QIODevice::ReadOnly)) {
        listing.problem = DataTableMessages::cannotRead(name, input.errorString());
        return listing;
    }
    listing.opened = true;
    listing.bytes = input.read(DataTableReadLimit);
    listing.lines = SplitDataFileLines(DecodeDataFileText(listing.bytes), DataTableLineCount);

    const int found = static_cast<int>(listing.lines.size());
    if (found == 0)
        listing.problem = DataTableMessages::empty(name, DataTableLineCount);
    else if (found < DataTableLineCount)
        listing.problem = DataTableMessages::endsEarly(name, found, DataTableLineCount);
    return listing;
}

}  // namespace corvane
