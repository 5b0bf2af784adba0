// The beam data as two CSV files a spreadsheet opens, and the data file made
// back from them.
//
// tmr.csv: the header "depth_mm,4,6,8,10,12,15,20,25,30,35" (the square
// field sides in cm), then 37 rows of the depth in mm and the ten TMRs.
// ocr.csv: the header "x,0,15,30" (the depths of the profiles in cm), then 21
// rows of the relative off-axis distance x = 0, 0.1, ..., 2.0 and the three
// OCRs. Fields are separated by commas, not quoted, with "." as the decimal
// point; blanks around a field are ignored. Lines end in CR LF, LF or CR; a
// UTF-8 byte order mark at the start and empty lines at the end are ignored.
#pragma once

#include "state/BeamData.h"
#include "state/BeamDataLoader.h"
#include "state/Outcome.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The numbers of a beam data file as they stand in it, row by row: each TMR
// row is its depth in mm and the ten TMRs, each OCR row its off-axis
// position and the three OCRs.
struct BeamDataNumbers {
    std::array<std::array<double, 1 + BeamData::FieldColumns>, BeamData::DepthRows> tmrRows{};
    std::array<std::array<double, 1 + BeamData::OcrColumns>, BeamData::OcrRows> ocrRows{};
};

// The numbers of a file that loaded.
BeamDataNumbers NumbersOf(const BeamData& beam, const BeamDataSource& source);

enum class CsvTable { Tmr, Ocr };

inline constexpr const char* TmrCsvName = "tmr.csv";
inline constexpr const char* OcrCsvName = "ocr.csv";

// The two files' texts, every number in the shortest form that reads back
// exactly, lines ending in CR LF.
std::string CsvText(CsvTable table, const BeamDataNumbers& numbers);

// Where a CSV file does not fit its format, and why, in English.
struct CsvFault {
    CsvTable table = CsvTable::Tmr;
    int line = 0;    // 1-based; the header is line 1
    int column = 0;  // 1-based field
    std::string reason;
};

// Reads one table from the bytes of its CSV file into `numbers`, leaving the
// other table as it is (and all of `numbers` on a fault). Every field must
// be wholly a decimal number of the program's one grammar (LeadingNumberText)
// and finite.
Outcome<void, CsvFault> ReadCsv(CsvTable table, std::string_view bytes, BeamDataNumbers& numbers);

// Whether `heading` can be the first line of a data file, or why not: a
// control character (a line end above all), or more than HeadingLimit bytes.
inline constexpr std::size_t HeadingLimit = 1000;
Outcome<void, std::string> CheckHeading(std::string_view heading);

// The data file in the layout of the bundled one, lines ending in CR LF:
// `heading`, a second heading line and the column titles; the 37 TMR rows;
// an empty line and three lines of titles; the 21 OCR rows; "end of data".
std::string BeamDataFileText(std::string_view heading, const BeamDataNumbers& numbers);

// BeamDataFileText, loaded by the loader as a check: the text, or the fault
// at its place in the CSV file the refused number came from. OCR positions
// that do not fit their rows are refused too, since the model places the
// rows by their order and the values would land at other distances.
Outcome<std::string, CsvFault> MakeBeamDataFile(std::string_view heading, const BeamDataNumbers& numbers);

// Writes tmr.csv and ocr.csv into `folder`, each whole or not at all
// (WriteFileAtomically). When ocr.csv cannot be written after tmr.csv was,
// tmr.csv is put back as it was (or removed, if it was new), so that the two
// stay a pair as far as the system allows.
struct CsvWriteFailure {
    std::filesystem::path file;  // the file that could not be written
    std::string reason;          // the system's, in English
    bool tmrKept = true;         // false: tmr.csv was written and could not be put back
};
Outcome<void, CsvWriteFailure> WriteCsvPair(const std::filesystem::path& folder, const BeamDataNumbers& numbers);

}  // namespace corvane
