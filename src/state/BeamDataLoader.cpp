#include "state/BeamDataLoader.h"

#include "state/CLocaleNumber.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <system_error>

namespace corvane {

namespace {

constexpr int HeadingLines = 3;
constexpr int SeparatorLines = 4;
constexpr int TmrNumbersPerRow = 1 + BeamData::FieldColumns;
constexpr int OcrNumbersPerRow = 1 + BeamData::OcrColumns;

// Where in the file the reader is, for the messages.
struct Position {
    const char* block;  // "heading", "TMR block", ...
    int row = 0;        // row within a numeric block, or line within a text block
    int rowCount = 0;
    int number = 0;     // number within the row, 1-based
    int numbersPerRow = 0;
};

struct LoadError {
    std::string message;
};

// Reads the file as a stream of lines and comma- or blank-separated numbers.
// CR LF, LF and CR all end a line.
class FieldReader {
public:
    FieldReader(std::istream& in, const std::string& fileName) : in_(in), fileName_(fileName) {}

    int line() const { return line_; }

    void skipLine(const Position& where) {
        if (peek() == EOF) throw endsEarly(where);
        for (;;) {
            const int c = get();
            if (c == EOF || c == '\n') return;
        }
    }

    // The next number; a line end after it is consumed with it.
    double readNumber(const Position& where, int* lineOfNumber = nullptr) {
        for (;;) {
            const int c = peek();
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                get();
                continue;
            }
            break;
        }
        if (peek() == EOF) throw endsEarly(where);
        if (peek() == ',') throw fault(where, "an empty field (a comma with no number before it)");

        if (lineOfNumber) *lineOfNumber = line_;
        std::string field;
        while (!isSeparator(peek())) field += static_cast<char>(get());
        const double value = toNumber(field, where);

        skipBlanks();
        if (peek() == ',') {
            get();
            skipBlanks();
            const int next = peek();
            if (next == '\n' || next == '\r' || next == EOF)
                throw fault(where, "an empty field (a comma at the end of the line)");
            if (next == ',') throw fault(where, "an empty field (two commas in a row)");
        } else if (peek() == '\n' || peek() == '\r') {
            get();
        }
        return value;
    }

    LoadError fault(const Position& where, const std::string& what) const {
        return LoadError{prefix() + what + " in the " + describe(where) + "."};
    }

    LoadError endsEarly(const Position& where) const {
        return LoadError{prefix() + "the file ends early, in the " + describe(where) + "."};
    }

private:
    static bool isSeparator(int c) {
        return c == EOF || c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
    }

    std::string prefix() const {
        return "Beam data file \"" + fileName_ + "\", line " + std::to_string(line_) + ": ";
    }

    static std::string describe(const Position& where) {
        std::string text = std::string(where.block) + " at ";
        if (where.numbersPerRow == 0)
            return text + "line " + std::to_string(where.row) + " of " + std::to_string(where.rowCount);
        return text + "row " + std::to_string(where.row) + " of " + std::to_string(where.rowCount) +
               " (number " + std::to_string(where.number) + " of " +
               std::to_string(where.numbersPerRow) + ")";
    }

    // A sign, digits with an optional point and digits (or a point and
    // digits), and an optional exponent; nothing else.
    static bool isDecimal(const std::string& field) {
        std::size_t p = 0;
        auto digits = [&] {
            const std::size_t start = p;
            while (p < field.size() && field[p] >= '0' && field[p] <= '9') ++p;
            return p - start;
        };
        if (p < field.size() && (field[p] == '+' || field[p] == '-')) ++p;
        std::size_t mantissa = digits();
        if (p < field.size() && field[p] == '.') {
            ++p;
            mantissa += digits();
        }
        if (mantissa == 0) return false;
        if (p < field.size() && (field[p] == 'e' || field[p] == 'E')) {
            ++p;
            if (p < field.size() && (field[p] == '+' || field[p] == '-')) ++p;
            if (digits() == 0) return false;
        }
        return p == field.size();
    }

    static bool namesNonFinite(std::string field) {
        if (!field.empty() && (field[0] == '+' || field[0] == '-')) field.erase(0, 1);
        for (char& c : field) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return field == "nan" || field == "inf" || field == "infinity";
    }

    double toNumber(const std::string& field, const Position& where) const {
        if (namesNonFinite(field))
            throw fault(where, "the number \"" + field + "\" is not finite");
        if (!isDecimal(field))
            throw fault(where, "the field \"" + field + "\" is not a decimal number");
        const double value = DecimalToDouble(field);
        if (!std::isfinite(value))
            throw fault(where, "the number \"" + field + "\" is too large (not finite)");
        return value;
    }

    void skipBlanks() {
        while (peek() == ' ' || peek() == '\t') get();
    }

    int peek() { return in_.peek(); }

    // One character, with CR LF and a lone CR turned into LF.
    int get() {
        int c = in_.get();
        if (c == '\r') {
            if (in_.peek() == '\n') in_.get();
            c = '\n';
        }
        if (c == '\n') ++line_;
        return c;
    }

    std::istream& in_;
    const std::string& fileName_;
    int line_ = 1;
};

std::string formatMillimetres(double cm) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", cm * 10);
    return text;
}

BeamData readTables(FieldReader& reader, const std::string& fileName) {
    BeamData data;
    std::array<int, BeamData::DepthRows + 1> depthLines{};

    for (int l = 1; l <= HeadingLines; ++l) reader.skipLine({"heading", l, HeadingLines});

    for (int i = 1; i <= BeamData::DepthRows; ++i) {
        Position where{"TMR block", i, BeamData::DepthRows, 1, TmrNumbersPerRow};
        data.DepthTable[i] = reader.readNumber(where, &depthLines[i]);
        data.DepthTable[i] = 0.1 * data.DepthTable[i];
        for (int j = 1; j <= BeamData::FieldColumns; ++j) {
            where.number = 1 + j;
            data.TmrTable[i][j] = reader.readNumber(where);
        }
    }

    for (int l = 1; l <= SeparatorLines; ++l) reader.skipLine({"separator lines", l, SeparatorLines});

    for (int i = 1; i <= BeamData::OcrRows; ++i) {
        Position where{"OCR block", i, BeamData::OcrRows, 1, OcrNumbersPerRow};
        reader.readNumber(where);  // the row's off-axis position, implied by its index
        for (int k = 1; k <= BeamData::OcrColumns; ++k) {
            where.number = 1 + k;
            data.OcrTable[i][k] = reader.readNumber(where);
        }
    }

    data.FieldSizeTable = BeamData::FixedFieldSizes;

    // The dose model searches the depths in order for the two rows around a
    // depth and divides by their difference, and evaluates depths to 25 cm.
    auto lineText = [&](int i) {
        return "Beam data file \"" + fileName + "\", line " + std::to_string(depthLines[i]) + ": ";
    };
    for (int i = 2; i <= BeamData::DepthRows; ++i) {
        if (!(data.DepthTable[i] > data.DepthTable[i - 1]))
            throw LoadError{lineText(i) + "the depths must ascend, but TMR row " + std::to_string(i) +
                            " has " + formatMillimetres(data.DepthTable[i]) + " mm after " +
                            formatMillimetres(data.DepthTable[i - 1]) + " mm."};
    }
    const double phantomDepth = 0.1 * 250;
    if (data.DepthTable[BeamData::DepthRows] < phantomDepth)
        throw LoadError{lineText(BeamData::DepthRows) + "the deepest depth is " +
                        formatMillimetres(data.DepthTable[BeamData::DepthRows]) +
                        " mm, but the table must reach at least 250 mm."};
    return data;
}

} // namespace

BeamDataLoadResult ParseBeamData(std::istream& in, const std::string& fileName) {
    FieldReader reader(in, fileName);
    try {
        return {readTables(reader, fileName), {}};
    } catch (const LoadError& error) {
        return {std::nullopt, error.message};
    }
}

BeamDataLoadResult LoadBeamDataFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {std::nullopt, "Beam data file \"" + name + "\" was not found."};
    if (std::filesystem::is_directory(path, ec))
        return {std::nullopt, "Beam data file \"" + name + "\" is a folder, not a file."};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {std::nullopt, "Beam data file \"" + name + "\" cannot be read: " +
                                  std::strerror(errno) + "."};
    BeamDataLoadResult result = ParseBeamData(in, name);
    if (in.bad())
        return {std::nullopt, "Beam data file \"" + name + "\" could not be read to the end."};
    return result;
}

} // namespace corvane
