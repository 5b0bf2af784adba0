// The one wording of the data file's faults and of its warning: a table of
// English sentences with numbered places, marked for the catalogs in the
// context "BeamDataMessages". The headless tool writes them in English; the
// windows and the browser show the catalogs' translation of the same
// sentences, filled with the same arguments.
#include "state/BeamDataFault.h"

#include "state/CLocaleNumber.h"
#include "state/Message.h"
#include "state/MessageText.h"
#include "state/SystemErrorText.h"

#include <cerrno>
#include <ostream>

namespace corvane {

namespace {

constexpr std::string_view Context = "BeamDataMessages";

Message Number(long long value) { return Plain(std::to_string(value)); }
// In the C locale: "2.5 mm", never the "2,5 mm" of the user's locale.
Message Millimetres(double mm) { return Plain(DoubleToDecimal(mm)); }
Message Path(const std::string& file) { return Plain(PathForMessage(file)); }
Message Quoted(const std::string& field, std::size_t maxCharacters = 40) {
    return Plain(QuoteForMessage(field, maxCharacters));
}

Message BlockName(DataBlock block) {
    switch (block) {
    case DataBlock::Heading: return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "heading"));
    case DataBlock::Tmr: return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "TMR block"));
    case DataBlock::Separator:
        return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "separator lines"));
    case DataBlock::Ocr: return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "OCR block"));
    case DataBlock::None: break;
    }
    return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "file"));
}

// "the TMR block at row 18 of 37 (number 1 of 11)", "the heading at line 3 of 3".
Message Where(const BeamDataFault& f) {
    if (f.numbersPerRow == 0)
        return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "the %1 at line %2 of %3"),
                      {BlockName(f.block), Number(f.row), Number(f.rowCount)});
    return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "the %1 at row %2 of %3 (number %4 of %5)"),
                  {BlockName(f.block), Number(f.row), Number(f.rowCount), Number(f.number), Number(f.numbersPerRow)});
}

const char* NotRegularSentence(FileType type) {
    switch (type) {
    case FileType::Folder:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" is a folder, not a file.");
    case FileType::Fifo:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\" is a named pipe (FIFO), not a regular file.");
    case FileType::CharacterDevice:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\" is a character device, not a regular file.");
    case FileType::BlockDevice:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\" is a block device, not a regular file.");
    case FileType::Socket:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" is a socket, not a regular file.");
    case FileType::Regular:
    case FileType::Other: break;
    }
    return CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" is not a regular file.");
}

// The sentence of each fault in the file's text, with its places: %1 the
// path, %2 the line, then the kind's own.
const char* AtLineSentence(BeamDataFaultKind kind) {
    using K = BeamDataFaultKind;
    switch (kind) {
    case K::FileTooLarge:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the file goes on past 1 MiB before its "
                                      "tables are complete, in %3; a beam data file is a few kilobytes.");
    case K::LineTooLong:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the line is longer than 64 KiB, in %3.");
    case K::FieldTooLong:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages",
            "Beam data file \"%1\", line %2: the field %3 is longer than 64 characters, in %4.");
    case K::EndsEarly:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the file ends early, in %3.");
    case K::CommaWithoutNumber:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages",
            "Beam data file \"%1\", line %2: an empty field (a comma with no number before it) in %3.");
    case K::TwoCommas:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages", "Beam data file \"%1\", line %2: an empty field (two commas in a row) in %3.");
    case K::CommaAtLineEnd:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages",
            "Beam data file \"%1\", line %2: an empty field (a comma at the end of the line) in %3.");
    case K::NotDecimal:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages", "Beam data file \"%1\", line %2: the field %3 is not a decimal number in %4.");
    case K::NotFinite:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the number %3 is not finite in %4.");
    case K::TooLarge:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages", "Beam data file \"%1\", line %2: the number %3 is too large (not finite) in %4.");
    case K::Negative:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the value %3 is negative in %4; a TMR or "
                                      "OCR below 0 would be a negative dose.");
    case K::NegativeDepth:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the depth %3 is negative in %4; depths are "
                                      "measured down from the surface, from 0 mm.");
    case K::AboveLimit:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the value %3 is above 2 in %4; a TMR or OCR "
                                      "is a ratio near 1, not a percentage (a lost decimal point?).");
    case K::MoreNumbersThanRows:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the %3 holds more numbers than its %4 rows "
                                      "of %5: %6 follows the last number of row %4, which must end its line.");
    case K::DepthsNotAscending:
        return CORVANE_TRANSLATE_NOOP(
            "BeamDataMessages",
            "Beam data file \"%1\", line %2: the depths must ascend, but TMR row %3 has %4 mm after %5 mm.");
    case K::TableTooShallow:
        return CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                      "Beam data file \"%1\", line %2: the deepest depth is %3 mm, but the table "
                                      "must reach at least 250 mm.");
    case K::FileMissing:
    case K::NotRegularFile:
    case K::CannotOpen:
    case K::ReadFailed: break;
    }
    return nullptr;
}

// The common reasons a file cannot be opened or read, in the C library's
// English words, which are also the source texts of their translations.
struct SystemReason {
    int errorNumber;
    const char* text;
};
constexpr SystemReason SystemReasons[] = {
    {ENOENT, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "No such file or directory")},
    {EACCES, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Permission denied")},
    {EPERM, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Operation not permitted")},
    {EISDIR, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Is a directory")},
    {ENOTDIR, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Not a directory")},
    {ELOOP, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Too many levels of symbolic links")},
    {ENAMETOOLONG, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "File name too long")},
    {EIO, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Input/output error")},
    {ENOMEM, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Cannot allocate memory")},
    {EMFILE, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Too many open files")},
    {ENFILE, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Too many open files in system")},
    {EBUSY, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Device or resource busy")},
    {ENXIO, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "No such device or address")},
    {ENODEV, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "No such device")},
    {EINTR, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Interrupted system call")},
    {EAGAIN, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Resource temporarily unavailable")},
    {EINVAL, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Invalid argument")},
    {EOVERFLOW, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Value too large for defined data type")},
    {ESTALE, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Stale file handle")},
};

}  // namespace

Message SystemReasonMessage(int errorNumber) {
    for (const SystemReason& reason : SystemReasons)
        if (reason.errorNumber == errorNumber) return Worded(Context, reason.text);
    return Plain(SystemErrorText(errorNumber));
}

Message BeamDataFaultMessage(const BeamDataFault& f) {
    using K = BeamDataFaultKind;
    const Message path = Path(f.file);
    switch (f.kind) {
    case K::FileMissing:
        return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" was not found."),
                      {path});
    case K::NotRegularFile: return Worded(Context, NotRegularSentence(f.fileType), {path});
    case K::CannotOpen:
        return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" cannot be opened: %2."),
                      {path, SystemReasonMessage(f.systemError)});
    case K::ReadFailed:
        return Worded(Context,
                      CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" could not be read: %2."),
                      {path, SystemReasonMessage(f.systemError)});
    case K::FileTooLarge:
    case K::LineTooLong:
    case K::EndsEarly:
    case K::CommaWithoutNumber:
    case K::TwoCommas:
    case K::CommaAtLineEnd: return Worded(Context, AtLineSentence(f.kind), {path, Number(f.line), Where(f)});
    case K::FieldTooLong:
    case K::NotDecimal:
    case K::NotFinite:
    case K::TooLarge:
    case K::Negative:
    case K::NegativeDepth:
    case K::AboveLimit:
        return Worded(Context, AtLineSentence(f.kind), {path, Number(f.line), Quoted(f.field), Where(f)});
    case K::MoreNumbersThanRows:
        return Worded(Context, AtLineSentence(f.kind),
                      {path, Number(f.line), BlockName(f.block), Number(f.rowCount), Number(f.numbersPerRow),
                       Quoted(f.field)});
    case K::DepthsNotAscending:
        return Worded(Context, AtLineSentence(f.kind),
                      {path, Number(f.line), Number(f.row), Millimetres(f.depthMm), Millimetres(f.previousDepthMm)});
    case K::TableTooShallow:
        return Worded(Context, AtLineSentence(f.kind), {path, Number(f.line), Millimetres(f.depthMm)});
    }
    return Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "Beam data file \"%1\" cannot be loaded."),
                  {path});
}

Message MisplacedOcrRowsMessage(const std::string& file, const std::vector<MisplacedOcrRow>& rows,
                                std::size_t listed) {
    std::vector<Message> parts;
    for (std::size_t k = 0; k < listed && k < rows.size(); ++k) {
        const MisplacedOcrRow& row = rows[k];
        const std::string expected = std::to_string((row.row - 1) / 10) + "." + std::to_string((row.row - 1) % 10);
        if (k > 0)
            //: Between the rows listed in the warning about OCR rows out of place.
            parts.push_back(Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "; ")));
        parts.push_back(Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "line %1 gives %2 for row %3 (x = %4)"),
                               {Number(row.line), Quoted(row.field, 20), Number(row.row), Plain(expected)}));
    }
    if (rows.size() > listed) {
        if (!parts.empty()) parts.push_back(Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "; ")));
        parts.push_back(Worded(Context, CORVANE_TRANSLATE_NOOP("BeamDataMessages", "and %1 more rows"),
                               {Number(static_cast<long long>(rows.size() - listed))}));
    }
    return Worded(Context,
                  CORVANE_TRANSLATE_NOOP("BeamDataMessages",
                                         "Beam data file \"%1\": OCR rows out of place (duplicated, missing or "
                                         "swapped rows shift the values): %2. The file was loaded as it stands."),
                  {Path(file), Joined(std::move(parts))});
}

std::string DescribeBeamDataFault(const BeamDataFault& fault) { return EnglishText(BeamDataFaultMessage(fault)); }

std::ostream& operator<<(std::ostream& out, const BeamDataFault& fault) { return out << DescribeBeamDataFault(fault); }

std::string DescribeMisplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows) {
    return MisplacedOcrRowsText(file, rows, SourceText);
}

}  // namespace corvane
