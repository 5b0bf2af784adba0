// What can be wrong with a beam data file, as data, and its one wording: a
// Message (state/Message.h) that the headless tool writes in English and the
// windows in their language.
#pragma once

#include "state/BoundedFileRead.h"
#include "state/Message.h"
#include "state/MessageText.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace corvane {

// The parts of the data file, in their order.
enum class DataBlock { None, Heading, Tmr, Separator, Ocr };

enum class BeamDataFaultKind {
    // The file as a whole.
    FileMissing,     // no file of that name
    NotRegularFile,  // a folder, FIFO, device ...: see fileType
    CannotOpen,      // the system's reason in systemError
    ReadFailed,      // the system's reason in systemError
    FileTooLarge,    // goes on past BeamDataSizeLimit before the tables are complete
    // Its text, at `line`.
    LineTooLong,          // longer than BeamDataLineLimit
    FieldTooLong,         // longer than BeamDataFieldLimit
    EndsEarly,            // the file ends before the tables are complete
    CommaWithoutNumber,   // a comma with no number before it
    TwoCommas,            // two commas in a row
    CommaAtLineEnd,       // a comma at the end of the line
    NotDecimal,           // `field` is not a decimal number
    NotFinite,            // `field` names infinity or NaN
    TooLarge,             // `field` is beyond the range of a double
    Negative,             // a negative TMR or OCR
    NegativeDepth,        // a negative depth in the first column of the TMR block
    AboveLimit,           // a TMR or OCR above BeamDataValueLimit
    MoreNumbersThanRows,  // `field` follows the last number of the block
    DepthsNotAscending,   // depthMm after previousDepthMm
    TableTooShallow,      // the deepest depth, depthMm, is less than 250 mm
};

// Bounds of the reading: a beam data file is a few kilobytes.
inline constexpr std::size_t BeamDataSizeLimit = 1024 * 1024;
inline constexpr std::size_t BeamDataLineLimit = 64 * 1024;
inline constexpr std::size_t BeamDataFieldLimit = 64;
// TMR and OCR are ratios of 1.0 at their reference point, and no photon
// beam's measured values come near 2: a larger one is a lost decimal point or
// a table in percent, which would give a dose a hundred times too high.
inline constexpr double BeamDataValueLimit = 2;

struct BeamDataFault {
    BeamDataFaultKind kind = BeamDataFaultKind::EndsEarly;
    std::string file;  // the path as given, not yet made safe to show
    FileType fileType = FileType::Regular;
    int systemError = 0;
    int line = 0;  // 1-based; 0 for faults of the file as a whole
    DataBlock block = DataBlock::None;
    int row = 0;  // row of a numeric block, or line of a text block
    int rowCount = 0;
    int number = 0;  // number within the row, 1-based; 0 in a text block
    int numbersPerRow = 0;
    std::string field;  // the field as written, at most BeamDataFieldLimit + 1 bytes
    double depthMm = 0;
    double previousDepthMm = 0;
};

// An OCR row whose first number, its off-axis position, is more than 0.005
// from 0.1 x (row - 1): a duplicated, missing or swapped row. The file still
// loads, since that number is never used.
struct MisplacedOcrRow {
    int line = 0;
    int row = 0;
    std::string field;  // the first number as written
};

// How many of `count` misplaced rows the warning names: at most three, and
// no more than fit in MessageCharacterLimit with the count of the others and
// the closing sentence, so that a long path or field never cuts those off.
// `compose(listed)` makes the text that names the first `listed` rows.
template <class Compose>
std::size_t MisplacedRowsListed(std::size_t count, const Compose& compose) {
    std::size_t listed = count < 3 ? count : 3;
    while (listed > 1 && MessageLength(compose(listed)) > MessageCharacterLimit) --listed;
    return listed;
}

// Why the file did not load, with the file's own text made safe.
Message BeamDataFaultMessage(const BeamDataFault& fault);
// The system's reason for an errno value: the common ones as marked source
// texts (context "BeamDataMessages"), any other in the C library's English.
Message SystemReasonMessage(int errorNumber);
// The warning about misplaced OCR rows, naming the first `listed` of them and
// counting the others.
Message MisplacedOcrRowsMessage(const std::string& file, const std::vector<MisplacedOcrRow>& rows,
                                std::size_t listed);
// The warning in the language `translate` gives (see MessageText), naming
// as many rows as fit there (MisplacedRowsListed).
template <class Translate>
std::string MisplacedOcrRowsText(const std::string& file, const std::vector<MisplacedOcrRow>& rows,
                                 const Translate& translate) {
    const auto compose = [&](std::size_t listed) {
        return MessageText(MisplacedOcrRowsMessage(file, rows, listed), translate);
    };
    return LimitMessageLength(compose(MisplacedRowsListed(rows.size(), compose)));
}

// The plain English texts, as the headless tool writes them; each at most
// MessageCharacterLimit characters.
std::string DescribeBeamDataFault(const BeamDataFault& fault);
// The same text, on a stream.
std::ostream& operator<<(std::ostream& out, const BeamDataFault& fault);
std::string DescribeMisplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows);

}  // namespace corvane
