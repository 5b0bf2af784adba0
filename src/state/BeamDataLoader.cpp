// The beam data file: 3 heading lines, 37 TMR rows of 11 numbers, 4
// separator lines, 21 OCR rows of 4 numbers, then a trailer that is not read.
// The numeric blocks are read as a stream of fields (a row may be split over
// lines, or two rows share one), but the last number of each block must end
// its line, so that a number too many or too few anywhere in a block is
// caught instead of shifting every later value.
#include "state/BeamDataLoader.h"

#include "state/CLocaleNumber.h"
#include "state/LeadingNumber.h"

#include <cctype>
#include <cmath>

namespace corvane {

namespace {

constexpr int HeadingLines = 3;
constexpr int SeparatorLines = 4;
constexpr int TmrNumbersPerRow = 1 + BeamData::FieldColumns;
constexpr int OcrNumbersPerRow = 1 + BeamData::OcrColumns;
constexpr int EndOfText = -1;

// Thrown inside the parser and turned into the result at its boundary.
struct FaultFound {
    BeamDataFault fault;
};

// The position the reader is at, for the faults.
struct Position {
    DataBlock block = DataBlock::None;
    int row = 0;
    int rowCount = 0;
    int number = 0;
    int numbersPerRow = 0;
};

// Reads lines and comma- or blank-separated fields from the bytes read.
// CR LF, LF and CR all end a line.
class FieldReader {
public:
    FieldReader(std::string_view bytes, bool moreFollows, const std::string& fileName)
        : bytes_(bytes), moreFollows_(moreFollows), fileName_(fileName) {}

    int line() const { return line_; }
    void at(const Position& where) { where_ = where; }

    // Skips the rest of the line; its first `keep` bytes go to `kept`.
    void skipLine(std::string* kept = nullptr, std::size_t keep = 0) {
        if (peek() == EndOfText) fail(BeamDataFaultKind::EndsEarly);
        for (;;) {
            const int c = get();
            if (c == EndOfText || c == '\n') return;
            if (kept != nullptr && kept->size() < keep) *kept += static_cast<char>(c);
        }
    }

    // The next number and the line it is on. A line end after it is consumed
    // with it; after the last number of a block, the line end must follow.
    struct Number {
        double value;
        int line;
        std::string field;
    };
    Number readNumber(bool lastOfBlock) {
        while (isBlank(peek()) || isLineEnd(peek())) get();
        if (peek() == EndOfText) fail(BeamDataFaultKind::EndsEarly);
        if (peek() == ',') fail(BeamDataFaultKind::CommaWithoutNumber);

        const int line = line_;
        std::string field = readField();
        const double value = toNumber(field);

        skipBlanks();
        if (peek() == ',') {
            get();
            skipBlanks();
            const int next = peek();
            if (isLineEnd(next) || next == EndOfText) fail(BeamDataFaultKind::CommaAtLineEnd);
            if (next == ',') fail(BeamDataFaultKind::TwoCommas);
            if (lastOfBlock) fail(BeamDataFaultKind::MoreNumbersThanRows, fieldAhead());
        } else if (isLineEnd(peek())) {
            get();
        } else if (lastOfBlock && peek() != EndOfText) {
            fail(BeamDataFaultKind::MoreNumbersThanRows, fieldAhead());
        }
        return {value, line, std::move(field)};
    }

    [[noreturn]] void fail(BeamDataFaultKind kind, std::string field = {}) const {
        throw FaultFound{fault(kind, std::move(field))};
    }

    BeamDataFault fault(BeamDataFaultKind kind, std::string field = {}) const {
        BeamDataFault f;
        f.kind = kind;
        f.file = fileName_;
        f.line = line_;
        f.block = where_.block;
        f.row = where_.row;
        f.rowCount = where_.rowCount;
        f.number = where_.number;
        f.numbersPerRow = where_.numbersPerRow;
        f.field = std::move(field);
        return f;
    }

private:
    static bool isBlank(int c) { return c == ' ' || c == '\t'; }
    static bool isLineEnd(int c) { return c == '\n' || c == '\r'; }
    static bool isSeparator(int c) { return c == EndOfText || c == ',' || isBlank(c) || isLineEnd(c); }

    // One field up to the next separator; a field that runs on past the
    // limit is a fault of its own, with its start kept for the message.
    std::string readField() {
        std::string field;
        while (!isSeparator(peek())) {
            field += static_cast<char>(get());
            if (field.size() > BeamDataFieldLimit) fail(BeamDataFaultKind::FieldTooLong, field);
        }
        return field;
    }

    // The text that stands where no field should, kept only for the message.
    std::string fieldAhead() const {
        std::string field;
        for (std::size_t p = pos_; p < bytes_.size() && field.size() <= BeamDataFieldLimit; ++p) {
            const int c = static_cast<unsigned char>(bytes_[p]);
            if (isSeparator(c)) break;
            field += static_cast<char>(c);
        }
        return field;
    }

    double toNumber(const std::string& field) const {
        if (NamesNonFinite(field)) fail(BeamDataFaultKind::NotFinite, field);
        if (LeadingNumberText(field).size() != field.size()) fail(BeamDataFaultKind::NotDecimal, field);
        const double value = DecimalToDouble(field);
        if (!std::isfinite(value)) fail(BeamDataFaultKind::TooLarge, field);
        return value;
    }

    static bool NamesNonFinite(std::string field) {
        if (!field.empty() && (field[0] == '+' || field[0] == '-')) field.erase(0, 1);
        for (char& c : field) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return field == "nan" || field == "inf" || field == "infinity";
    }

    void skipBlanks() {
        while (isBlank(peek())) get();
    }

    // The end of the bytes read is the end of the text, unless the file goes
    // on past them: then it is too large to be a beam data file.
    int peek() const {
        if (pos_ < bytes_.size()) return static_cast<unsigned char>(bytes_[pos_]);
        if (moreFollows_) fail(BeamDataFaultKind::FileTooLarge);
        return EndOfText;
    }

    // One character, with CR LF and a lone CR turned into LF.
    int get() {
        int c = peek();
        if (c == EndOfText) return c;
        ++pos_;
        if (c == '\r') {
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
            c = '\n';
        }
        if (c == '\n') {
            ++line_;
            column_ = 0;
        } else if (++column_ > BeamDataLineLimit) {
            fail(BeamDataFaultKind::LineTooLong);
        }
        return c;
    }

    std::string_view bytes_;
    bool moreFollows_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
    std::size_t column_ = 0;
    int line_ = 1;
    Position where_;
};

[[noreturn]] void Raise(BeamDataFault fault) { throw FaultFound{std::move(fault)}; }

bool OffAxisPositionFits(double value, int row) { return std::fabs(value - 0.1 * (row - 1)) <= 0.005; }

BeamData ReadTables(FieldReader& reader, std::vector<MisplacedOcrRow>& misplaced, BeamDataSource& source) {
    BeamData data;
    std::array<int, BeamData::DepthRows + 1> depthLines{};

    // A refused number is named at the line it stands on, which may lie
    // before the line the reader has reached.
    auto refuse = [&](BeamDataFaultKind kind, const FieldReader::Number& n) {
        BeamDataFault fault = reader.fault(kind, n.field);
        fault.line = n.line;
        Raise(std::move(fault));
    };
    // A TMR or OCR below 0 would be a negative dose; one above the limit is a
    // damaged value that would multiply the dose.
    int valueLine = 0;
    auto readValue = [&](bool lastOfBlock) {
        const FieldReader::Number n = reader.readNumber(lastOfBlock);
        valueLine = n.line;
        if (n.value < 0) refuse(BeamDataFaultKind::Negative, n);
        if (n.value > BeamDataValueLimit) refuse(BeamDataFaultKind::AboveLimit, n);
        return n.value;
    };

    for (int l = 1; l <= HeadingLines; ++l) {
        reader.at({DataBlock::Heading, l, HeadingLines});
        reader.skipLine(l == 1 ? &source.heading : nullptr, BeamDataHeadingKept);
    }

    for (int i = 1; i <= BeamData::DepthRows; ++i) {
        reader.at({DataBlock::Tmr, i, BeamData::DepthRows, 1, TmrNumbersPerRow});
        const FieldReader::Number depth = reader.readNumber(false);
        if (depth.value < 0) refuse(BeamDataFaultKind::NegativeDepth, depth);
        depthLines[i] = depth.line;
        data.DepthTable[i] = 0.1 * depth.value;
        source.tmrLines[i][0] = depth.line;
        source.depthMm[i] = depth.value;
        for (int j = 1; j <= BeamData::FieldColumns; ++j) {
            reader.at({DataBlock::Tmr, i, BeamData::DepthRows, 1 + j, TmrNumbersPerRow});
            data.TmrTable[i][j] = readValue(i == BeamData::DepthRows && j == BeamData::FieldColumns);
            source.tmrLines[i][j] = valueLine;
        }
    }

    for (int l = 1; l <= SeparatorLines; ++l) {
        reader.at({DataBlock::Separator, l, SeparatorLines});
        reader.skipLine();
    }

    for (int i = 1; i <= BeamData::OcrRows; ++i) {
        reader.at({DataBlock::Ocr, i, BeamData::OcrRows, 1, OcrNumbersPerRow});
        // The row's off-axis position is implied by its index and never used,
        // but one that does not fit the index tells of rows out of place.
        const FieldReader::Number position = reader.readNumber(false);
        if (!OffAxisPositionFits(position.value, i)) misplaced.push_back({position.line, i, position.field});
        source.ocrLines[i][0] = position.line;
        source.offAxisPosition[i] = position.value;
        for (int k = 1; k <= BeamData::OcrColumns; ++k) {
            reader.at({DataBlock::Ocr, i, BeamData::OcrRows, 1 + k, OcrNumbersPerRow});
            data.OcrTable[i][k] = readValue(i == BeamData::OcrRows && k == BeamData::OcrColumns);
            source.ocrLines[i][k] = valueLine;
        }
    }

    data.FieldSizeTable = BeamData::FixedFieldSizes;

    // The dose model searches the depths in order for the two rows around a
    // depth and divides by their difference, and evaluates depths to 25 cm.
    auto depthFault = [&](BeamDataFaultKind kind, int i) {
        BeamDataFault fault = reader.fault(kind);
        fault.line = depthLines[i];
        fault.block = DataBlock::Tmr;
        fault.row = i;
        fault.number = 1;
        fault.depthMm = data.DepthTable[i] * 10;
        fault.previousDepthMm = i > 1 ? data.DepthTable[i - 1] * 10 : 0;
        return fault;
    };
    for (int i = 2; i <= BeamData::DepthRows; ++i)
        if (!(data.DepthTable[i] > data.DepthTable[i - 1]))
            Raise(depthFault(BeamDataFaultKind::DepthsNotAscending, i));
    const double phantomDepth = 0.1 * 250;
    if (data.DepthTable[BeamData::DepthRows] < phantomDepth)
        Raise(depthFault(BeamDataFaultKind::TableTooShallow, BeamData::DepthRows));
    return data;
}

// The fault of a file that could not be read at all.
BeamDataFault FileFault(const std::string& file, const FileReadFault& read) {
    BeamDataFault fault;
    switch (read.failure) {
    case FileReadFailure::Missing: fault.kind = BeamDataFaultKind::FileMissing; break;
    case FileReadFailure::NotRegular: fault.kind = BeamDataFaultKind::NotRegularFile; break;
    case FileReadFailure::CannotOpen: fault.kind = BeamDataFaultKind::CannotOpen; break;
    case FileReadFailure::ReadFailed: fault.kind = BeamDataFaultKind::ReadFailed; break;
    }
    fault.file = file;
    fault.fileType = read.type;
    fault.systemError = read.systemError;
    return fault;
}

}  // namespace

std::string LoadedBeamData::warning() const {
    return misplacedOcrRows.empty() ? std::string() : DescribeMisplacedOcrRows(file, misplacedOcrRows);
}

BeamDataLoad ParseBeamData(std::string_view bytes, const std::string& fileName, bool moreFollows) {
    LoadedBeamData loaded;
    loaded.file = fileName;
    FieldReader reader(bytes, moreFollows, fileName);
    try {
        loaded.data = ReadTables(reader, loaded.misplacedOcrRows, loaded.source);
    } catch (FaultFound& found) {
        // The reader's way out of its nested loops, turned into the result here.
        return Fail(std::move(found.fault));
    }
    return loaded;
}

BeamDataLoad LoadBeamDataFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    const Outcome<FileBytes, FileReadFault> read = ReadRegularFile(path, BeamDataSizeLimit);
    if (!read) return Fail(FileFault(name, read.error()));
    return ParseBeamData(read->bytes, name, read->moreFollows);
}

}  // namespace corvane
