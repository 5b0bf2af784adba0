#include "windows/DataTableListing.h"

#include "state/BoundedFileRead.h"
#include "state/MessageText.h"
#include "windows/BeamDataMessages.h"
#include "windows/DataTableMessages.h"

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

    // The same bounded, non-blocking read as the loader's: a FIFO or a device
    // named like the data file is never waited on.
    const Outcome<FileBytes, FileReadFault> read = ReadRegularFile(file, static_cast<std::size_t>(DataTableReadLimit));
    if (!read) {
        switch (read.error().failure) {
        case FileReadFailure::Missing:
        case FileReadFailure::NotRegular: listing.problem = DataTableMessages::notFound(name, DataTableLineCount); break;
        case FileReadFailure::CannotOpen:
        case FileReadFailure::ReadFailed:
            listing.problem =
                DataTableMessages::cannotRead(name, BeamDataMessages::systemReason(read.error().systemError));
            break;
        }
        return listing;
    }
    listing.opened = true;
    listing.bytes = QByteArray(read->bytes.data(), static_cast<qsizetype>(read->bytes.size()));
    listing.lines = SplitDataFileLines(DecodeDataFileText(listing.bytes), DataTableLineCount);

    const int found = static_cast<int>(listing.lines.size());
    if (found == 0)
        listing.problem = DataTableMessages::empty(name, DataTableLineCount);
    else if (found < DataTableLineCount)
        listing.problem = DataTableMessages::endsEarly(name, found, DataTableLineCount);
    return listing;
}

}  // namespace corvane
