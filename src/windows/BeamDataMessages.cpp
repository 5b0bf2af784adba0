#include "windows/BeamDataMessages.h"

#include "state/CLocaleNumber.h"
#include "state/MessageText.h"
#include "state/SystemErrorText.h"

#include <cerrno>

namespace corvane {

namespace {

// Every text is a whole sentence with numbered places, so that a language
// can order its words as it needs; the places are filled in one pass, so a
// '%' in a path or a field stays as it is.
QString Limited(const QString& text) {
    return QString::fromStdString(LimitMessageLength(text.toStdString()));
}

QString Path(const std::string& file) { return QString::fromStdString(PathForMessage(file)); }

QString Quoted(const std::string& field, std::size_t maxCharacters = 40) {
    return QString::fromStdString(QuoteForMessage(field, maxCharacters));
}

QString Number(int value) { return QString::number(value); }

// In the C locale: "2.5 mm", never the "2,5 mm" of the user's locale.
QString Millimetres(double mm) { return QString::fromStdString(DoubleToDecimal(mm)); }

QString BlockName(DataBlock block) {
    switch (block) {
    case DataBlock::Heading: return BeamDataMessages::tr("heading");
    case DataBlock::Tmr: return BeamDataMessages::tr("TMR block");
    case DataBlock::Separator: return BeamDataMessages::tr("separator lines");
    case DataBlock::Ocr: return BeamDataMessages::tr("OCR block");
    case DataBlock::None: break;
    }
    return BeamDataMessages::tr("file");
}

// "the TMR block at row 18 of 37 (number 1 of 11)", "the heading at line 3 of 3".
QString Where(const BeamDataFault& f) {
    if (f.numbersPerRow == 0)
        return BeamDataMessages::tr("the %1 at line %2 of %3")
            .arg(BlockName(f.block), Number(f.row), Number(f.rowCount));
    return BeamDataMessages::tr("the %1 at row %2 of %3 (number %4 of %5)")
        .arg(BlockName(f.block), Number(f.row), Number(f.rowCount), Number(f.number),
             Number(f.numbersPerRow));
}

QString NotRegularFile(const BeamDataFault& f) {
    const QString path = Path(f.file);
    switch (f.fileType) {
    case FileType::Folder:
        return BeamDataMessages::tr("Beam data file \"%1\" is a folder, not a file.").arg(path);
    case FileType::Fifo:
        return BeamDataMessages::tr("Beam data file \"%1\" is a named pipe (FIFO), not a regular file.")
            .arg(path);
    case FileType::CharacterDevice:
        return BeamDataMessages::tr("Beam data file \"%1\" is a character device, not a regular file.")
            .arg(path);
    case FileType::BlockDevice:
        return BeamDataMessages::tr("Beam data file \"%1\" is a block device, not a regular file.").arg(path);
    case FileType::Socket:
        return BeamDataMessages::tr("Beam data file \"%1\" is a socket, not a regular file.").arg(path);
    case FileType::Regular:
    case FileType::Other: break;
    }
    return BeamDataMessages::tr("Beam data file \"%1\" is not a regular file.").arg(path);
}

QString Text(const BeamDataFault& f) {
    using K = BeamDataFaultKind;
    const QString path = Path(f.file);
    const QString line = Number(f.line);
    const QString field = Quoted(f.field);
    switch (f.kind) {
    case K::FileMissing: return BeamDataMessages::tr("Beam data file \"%1\" was not found.").arg(path);
    case K::NotRegularFile: return NotRegularFile(f);
    case K::CannotOpen:
        return BeamDataMessages::tr("Beam data file \"%1\" cannot be opened: %2.")
            .arg(path, BeamDataMessages::systemReason(f.systemError));
    case K::ReadFailed:
        return BeamDataMessages::tr("Beam data file \"%1\" could not be read: %2.")
            .arg(path, BeamDataMessages::systemReason(f.systemError));
    case K::FileTooLarge:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the file goes on past 1 MiB before its "
                                    "tables are complete, in %3; a beam data file is a few kilobytes.")
            .arg(path, line, Where(f));
    case K::LineTooLong:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the line is longer than 64 KiB, in %3.")
            .arg(path, line, Where(f));
    case K::FieldTooLong:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the field %3 is longer than 64 characters, "
                   "in %4.")
            .arg(path, line, field, Where(f));
    case K::EndsEarly:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the file ends early, in %3.")
            .arg(path, line, Where(f));
    case K::CommaWithoutNumber:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: an empty field (a comma with no number "
                                    "before it) in %3.")
            .arg(path, line, Where(f));
    case K::TwoCommas:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: an empty field (two commas in a row) in %3.")
            .arg(path, line, Where(f));
    case K::CommaAtLineEnd:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: an empty field (a comma at the end of the "
                   "line) in %3.")
            .arg(path, line, Where(f));
    case K::NotDecimal:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the field %3 is not a decimal number in %4.")
            .arg(path, line, field, Where(f));
    case K::NotFinite:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the number %3 is not finite in %4.")
            .arg(path, line, field, Where(f));
    case K::TooLarge:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the number %3 is too large (not finite) "
                                    "in %4.")
            .arg(path, line, field, Where(f));
    case K::Negative:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the value %3 is negative in %4; a TMR or "
                   "OCR below 0 would be a negative dose.")
            .arg(path, line, field, Where(f));
    case K::NegativeDepth:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the depth %3 is negative in %4; depths are "
                   "measured down from the surface, from 0 mm.")
            .arg(path, line, field, Where(f));
    case K::AboveLimit:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the value %3 is above 2 in %4; a TMR or OCR is "
                   "a ratio near 1, not a percentage (a lost decimal point?).")
            .arg(path, line, field, Where(f));
    case K::MoreNumbersThanRows:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the %3 holds more numbers than its %4 rows "
                   "of %5: %6 follows the last number of row %4, which must end its line.")
            .arg(path, line, BlockName(f.block), Number(f.rowCount), Number(f.numbersPerRow), field);
    case K::DepthsNotAscending:
        return BeamDataMessages::tr("Beam data file \"%1\", line %2: the depths must ascend, but TMR row %3 "
                                    "has %4 mm after %5 mm.")
            .arg(path, line, Number(f.row), Millimetres(f.depthMm), Millimetres(f.previousDepthMm));
    case K::TableTooShallow:
        return BeamDataMessages::tr(
                   "Beam data file \"%1\", line %2: the deepest depth is %3 mm, but the table "
                   "must reach at least 250 mm.")
            .arg(path, line, Millimetres(f.depthMm));
    }
    return BeamDataMessages::tr("Beam data file \"%1\" cannot be loaded.").arg(path);
}

// The common reasons a file cannot be opened or read, in the C library's
// English words, which are also the source texts of their translations.
struct SystemReason {
    int errorNumber;
    const char* text;
};
constexpr SystemReason SystemReasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("BeamDataMessages", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("BeamDataMessages", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("BeamDataMessages", "Operation not permitted")},
    {EISDIR, QT_TRANSLATE_NOOP("BeamDataMessages", "Is a directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("BeamDataMessages", "Not a directory")},
    {ELOOP, QT_TRANSLATE_NOOP("BeamDataMessages", "Too many levels of symbolic links")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("BeamDataMessages", "File name too long")},
    {EIO, QT_TRANSLATE_NOOP("BeamDataMessages", "Input/output error")},
    {ENOMEM, QT_TRANSLATE_NOOP("BeamDataMessages", "Cannot allocate memory")},
    {EMFILE, QT_TRANSLATE_NOOP("BeamDataMessages", "Too many open files")},
    {ENFILE, QT_TRANSLATE_NOOP("BeamDataMessages", "Too many open files in system")},
    {EBUSY, QT_TRANSLATE_NOOP("BeamDataMessages", "Device or resource busy")},
    {ENXIO, QT_TRANSLATE_NOOP("BeamDataMessages", "No such device or address")},
    {ENODEV, QT_TRANSLATE_NOOP("BeamDataMessages", "No such device")},
    {EINTR, QT_TRANSLATE_NOOP("BeamDataMessages", "Interrupted system call")},
    {EAGAIN, QT_TRANSLATE_NOOP("BeamDataMessages", "Resource temporarily unavailable")},
    {EINVAL, QT_TRANSLATE_NOOP("BeamDataMessages", "Invalid argument")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("BeamDataMessages", "Value too large for defined data type")},
    {ESTALE, QT_TRANSLATE_NOOP("BeamDataMessages", "Stale file handle")},
};

}  // namespace

QString BeamDataMessages::fault(const BeamDataFault& fault) { return Limited(Text(fault)); }

QString BeamDataMessages::misplacedOcrRows(const std::string& file,
                                           const std::vector<MisplacedOcrRow>& rows) {
    // The text with the first `listed` rows named and the others counted.
    const auto compose = [&](std::size_t listed) {
        QStringList parts;
        for (std::size_t k = 0; k < listed; ++k) {
            const MisplacedOcrRow& row = rows[k];
            const QString expected = QStringLiteral("%1.%2").arg((row.row - 1) / 10).arg((row.row - 1) % 10);
            parts.append(tr("line %1 gives %2 for row %3 (x = %4)")
                             .arg(Number(row.line), Quoted(row.field, 20), Number(row.row), expected));
        }
        if (rows.size() > listed) parts.append(tr("and %1 more rows").arg(rows.size() - listed));
        //: Between the rows listed in the warning about OCR rows out of place.
        const QString separator = tr("; ");
        return tr("Beam data file \"%1\": OCR rows out of place (duplicated, missing or swapped rows shift "
                  "the values): %2. The file was loaded as it stands.")
            .arg(Path(file), parts.join(separator))
            .toStdString();
    };
    return Limited(QString::fromStdString(compose(MisplacedRowsListed(rows.size(), compose))));
}

QString BeamDataMessages::systemReason(int errorNumber) {
    for (const SystemReason& reason : SystemReasons)
        if (reason.errorNumber == errorNumber) return tr(reason.text);
    return QString::fromStdString(SystemErrorText(errorNumber));
}

}  // namespace corvane
