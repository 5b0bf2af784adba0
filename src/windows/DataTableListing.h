// Reads the beam data file as the data table window lists it: its first 66
// lines as text, whatever their line ends and character encoding.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace corvane {

// Three heading lines, 37 TMR rows, four separator lines, 21 OCR rows and the
// line after them.
inline constexpr int DataTableLineCount = 66;

// Files larger than this are read only this far; the table needs a few kB.
inline constexpr qint64 DataTableReadLimit = 16 * 1024 * 1024;

struct DataTableListing {
    std::filesystem::path file;  // the file that was (or would have been) read
    bool opened = false;         // false when the file is missing or unreadable
    QByteArray bytes;            // what was read, for parsing the same content
    QStringList lines;           // at most DataTableLineCount, without line ends
    QString problem;             // empty when all lines were there; else what is missing

    bool complete() const { return problem.isEmpty(); }
};

// UTF-8 if the whole text is valid UTF-8, else Shift_JIS if that decodes it
// without fault, else Latin-1, which decodes anything.
QString DecodeDataFileText(const QByteArray& bytes);

// Splits at CR LF, LF or CR, and keeps at most `maxLines` lines. A line end at
// the very end of the text does not begin another line.
QStringList SplitDataFileLines(const QString& text, int maxLines);

// Reads the first DataTableLineCount lines of `file`.
DataTableListing ReadDataTableListing(const std::filesystem::path& file);

}  // namespace corvane
