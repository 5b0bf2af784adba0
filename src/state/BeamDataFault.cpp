#include "state/BeamDataFault.h"

#include "state/CLocaleNumber.h"
#include "state/MessageText.h"
#include "state/SystemErrorText.h"

#include <cstdio>
#include <ostream>

namespace corvane {

namespace {

std::string Millimetres(double mm) { return DoubleToDecimal(mm); }

const char* BlockName(DataBlock block) {
    switch (block) {
    case DataBlock::Heading: return "heading";
    case DataBlock::Tmr: return "TMR block";
    case DataBlock::Separator: return "separator lines";
    case DataBlock::Ocr: return "OCR block";
    case DataBlock::None: break;
    }
    return "file";
}

// "the TMR block at row 18 of 37 (number 1 of 11)", "the heading at line 3 of 3".
std::string Where(const BeamDataFault& f) {
    std::string text = std::string("the ") + BlockName(f.block) + " at ";
    if (f.numbersPerRow == 0)
        return text + "line " + std::to_string(f.row) + " of " + std::to_string(f.rowCount);
    return text + "row " + std::to_string(f.row) + " of " + std::to_string(f.rowCount) + " (number " +
           std::to_string(f.number) + " of " + std::to_string(f.numbersPerRow) + ")";
}

const char* FileTypeName(FileType type) {
    switch (type) {
    case FileType::Folder: return "a folder";
    case FileType::Fifo: return "a named pipe (FIFO)";
    case FileType::CharacterDevice: return "a character device";
    case FileType::BlockDevice: return "a block device";
    case FileType::Socket: return "a socket";
    case FileType::Regular:
    case FileType::Other: break;
    }
    return "not a regular file";
}

std::string Named(const BeamDataFault& f) { return "Beam data file \"" + PathForMessage(f.file) + "\""; }

std::string AtLine(const BeamDataFault& f) { return Named(f) + ", line " + std::to_string(f.line) + ": "; }

std::string Text(const BeamDataFault& f) {
    using K = BeamDataFaultKind;
    const std::string field = QuoteForMessage(f.field);
    switch (f.kind) {
    case K::FileMissing: return Named(f) + " was not found.";
    case K::NotRegularFile:
        if (f.fileType == FileType::Folder) return Named(f) + " is a folder, not a file.";
        return Named(f) + " is " + FileTypeName(f.fileType) + ", not a regular file.";
    case K::CannotOpen: return Named(f) + " cannot be opened: " + SystemErrorText(f.systemError) + ".";
    case K::ReadFailed: return Named(f) + " could not be read: " + SystemErrorText(f.systemError) + ".";
    case K::FileTooLarge:
        return AtLine(f) + "the file goes on past 1 MiB before its tables are complete, in " + Where(f) +
               "; a beam data file is a few kilobytes.";
    case K::LineTooLong: return AtLine(f) + "the line is longer than 64 KiB, in " + Where(f) + ".";
    case K::FieldTooLong:
        return AtLine(f) + "the field " + field + " is longer than 64 characters, in " + Where(f) + ".";
    case K::EndsEarly: return AtLine(f) + "the file ends early, in " + Where(f) + ".";
    case K::CommaWithoutNumber:
        return AtLine(f) + "an empty field (a comma with no number before it) in " + Where(f) + ".";
    case K::TwoCommas: return AtLine(f) + "an empty field (two commas in a row) in " + Where(f) + ".";
    case K::CommaAtLineEnd:
        return AtLine(f) + "an empty field (a comma at the end of the line) in " + Where(f) + ".";
    case K::NotDecimal:
        return AtLine(f) + "the field " + field + " is not a decimal number in " + Where(f) + ".";
    case K::NotFinite: return AtLine(f) + "the number " + field + " is not finite in " + Where(f) + ".";
    case K::TooLarge:
        return AtLine(f) + "the number " + field + " is too large (not finite) in " + Where(f) + ".";
    case K::Negative:
        return AtLine(f) + "the value " + field + " is negative in " + Where(f) +
               "; a TMR or OCR below 0 would be a negative dose.";
    case K::NegativeDepth:
        return AtLine(f) + "the depth " + field + " is negative in " + Where(f) +
               "; depths are measured down from the surface, from 0 mm.";
    case K::AboveLimit:
        return AtLine(f) + "the value " + field + " is above 2 in " + Where(f) +
               "; a TMR or OCR is a ratio near 1, not a percentage (a lost decimal point?).";
    case K::MoreNumbersThanRows:
        return AtLine(f) + "the " + BlockName(f.block) + " holds more numbers than its " +
               std::to_string(f.rowCount) + " rows of " + std::to_string(f.numbersPerRow) + ": " + field +
               " follows the last number of row " + std::to_string(f.rowCount) + ", which must end its line.";
    case K::DepthsNotAscending:
        return AtLine(f) + "the depths must ascend, but TMR row " + std::to_string(f.row) + " has " +
               Millimetres(f.depthMm) + " mm after " + Millimetres(f.previousDepthMm) + " mm.";
    case K::TableTooShallow:
        return AtLine(f) + "the deepest depth is " + Millimetres(f.depthMm) +
               " mm, but the table must reach at least 250 mm.";
    }
    return Named(f) + " cannot be loaded.";
}

}  // namespace

std::string DescribeBeamDataFault(const BeamDataFault& fault) { return LimitMessageLength(Text(fault)); }

std::ostream& operator<<(std::ostream& out, const BeamDataFault& fault) { return out << DescribeBeamDataFault(fault); }

std::string DescribeMisplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows) {
    // The text with the first `listed` rows named and the others counted.
    const auto compose = [&](std::size_t listed) {
        std::string text = "Beam data file \"" + PathForMessage(file) +
                           "\": OCR rows out of place (duplicated, missing or swapped rows shift the "
                           "values):";
        for (std::size_t k = 0; k < listed; ++k) {
            const MisplacedOcrRow& row = rows[k];
            char expected[16];
            std::snprintf(expected, sizeof expected, "%d.%d", (row.row - 1) / 10, (row.row - 1) % 10);
            text += std::string(k == 0 ? " " : "; ") + "line " + std::to_string(row.line) + " gives " +
                    QuoteForMessage(row.field, 20) + " for row " + std::to_string(row.row) +
                    " (x = " + expected + ")";
        }
        if (rows.size() > listed) text += "; and " + std::to_string(rows.size() - listed) + " more rows";
        return text + ". The file was loaded as it stands.";
    };
    return LimitMessageLength(compose(MisplacedRowsListed(rows.size(), compose)));
}

}  // namespace corvane
