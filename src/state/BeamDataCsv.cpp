#include "state/BeamDataCsv.h"

#include "state/AtomicFileWrite.h"
#include "state/BoundedFileRead.h"
#include "state/CLocaleNumber.h"
#include "state/LeadingNumber.h"
#include "state/MessageText.h"

#include <cmath>
#include <vector>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// What one CSV file holds: its header's titles and the size of its table.
struct TableShape {
    const char* name;        // for the reasons: "TMR", "OCR"
    const char* header;      // as written, for the reasons
    const char* firstTitle;  // the title of the first column
    std::vector<double> titles;  // the numeric titles of the other columns
    int rows;
};

const TableShape& ShapeOf(CsvTable table) {
    static const TableShape tmr{"TMR", "depth_mm,4,6,8,10,12,15,20,25,30,35", "depth_mm",
                                {4, 6, 8, 10, 12, 15, 20, 25, 30, 35}, BeamData::DepthRows};
    static const TableShape ocr{"OCR", "x,0,15,30", "x", {0, 15, 30}, BeamData::OcrRows};
    return table == CsvTable::Tmr ? tmr : ocr;
}

int ColumnsOf(const TableShape& shape) { return 1 + static_cast<int>(shape.titles.size()); }

// A number of either table, for reading (const) and writing.
template <class Numbers>
auto& Cell(CsvTable table, Numbers& numbers, int row, int column) {
    return table == CsvTable::Tmr ? numbers.tmrRows[row][column] : numbers.ocrRows[row][column];
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The lines of the text without their ends (CR LF, LF or CR), after a byte
// order mark, with the empty lines at the end left out.
std::vector<std::string_view> LinesOf(std::string_view text) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) text.remove_prefix(ByteOrderMark.size());
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\r' && text[pos] != '\n') continue;
        lines.push_back(text.substr(start, pos - start));
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
    return lines;
}

std::vector<std::string_view> FieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(line.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

// The value of a field that is wholly one finite decimal number, or the
// reason it is not.
Outcome<double, std::string> NumberOf(std::string_view field) {
    if (field.empty()) return Fail(std::string("an empty field"));
    if (LeadingNumberText(field).size() != field.size())
        return Fail("the field " + QuoteForMessage(field) + " is not a decimal number (\".\" as the decimal point)");
    const double value = DecimalToDouble(std::string(field));
    if (!std::isfinite(value)) return Fail("the number " + QuoteForMessage(field) + " is too large (not finite)");
    return value;
}

Outcome<void, CsvFault> ReadHeader(CsvTable table, const TableShape& shape, std::string_view line) {
    const std::vector<std::string_view> fields = FieldsOf(line);
    const int columns = ColumnsOf(shape);
    std::string expected = std::string("the header must be ") + shape.header;
    if (line.find(';') != std::string_view::npos)
        expected += " (fields separated by commas, with \".\" as the decimal point)";
    for (int c = 0; c < columns && c < static_cast<int>(fields.size()); ++c) {
        const bool fits = c == 0 ? fields[c] == shape.firstTitle
                                 : NumberOf(fields[c]).value_or(-1) == shape.titles[c - 1];
        if (!fits) return Fail(CsvFault{table, 1, c + 1, expected + "; column " + std::to_string(c + 1) +
                                                        " holds " + QuoteForMessage(fields[c])});
    }
    const int count = static_cast<int>(fields.size());
    if (count < columns) return Fail(CsvFault{table, 1, count + 1, expected + "; the line ends early"});
    if (count > columns) return Fail(CsvFault{table, 1, columns + 1, expected + "; the line holds more columns"});
    return {};
}

// The reason for a number the loader refused in the data file made from the
// CSV files, worded for the CSV file.
std::string RefusedReason(const BeamDataFault& fault, const BeamDataNumbers& numbers) {
    switch (fault.kind) {
    case BeamDataFaultKind::Negative:
        return "the value " + QuoteForMessage(fault.field) +
               " is negative; a TMR or OCR below 0 would be a negative dose";
    case BeamDataFaultKind::DepthsNotAscending:
        return "the depths must ascend, but " + ShortestDecimal(numbers.tmrRows[fault.row - 1][0]) +
               " mm follows " + ShortestDecimal(numbers.tmrRows[fault.row - 2][0]) + " mm";
    case BeamDataFaultKind::TableTooShallow:
        return "the deepest depth is " + ShortestDecimal(numbers.tmrRows[fault.row - 1][0]) +
               " mm, but the table must reach at least 250 mm, the phantom's thickness";
    default: break;
    }
    return LimitMessageLength("the data file made from it would not load: " + DescribeBeamDataFault(fault));
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

constexpr const char* LineEnd = "\r\n";

}  // namespace

BeamDataNumbers NumbersOf(const BeamData& beam, const BeamDataSource& source) {
    BeamDataNumbers numbers;
    for (int i = 1; i <= BeamData::DepthRows; ++i) {
        numbers.tmrRows[i - 1][0] = source.depthMm[i];
        for (int j = 1; j <= BeamData::FieldColumns; ++j) numbers.tmrRows[i - 1][j] = beam.TmrTable[i][j];
    }
    for (int i = 1; i <= BeamData::OcrRows; ++i) {
        numbers.ocrRows[i - 1][0] = source.offAxisPosition[i];
        for (int k = 1; k <= BeamData::OcrColumns; ++k) numbers.ocrRows[i - 1][k] = beam.OcrTable[i][k];
    }
    return numbers;
}

std::string CsvText(CsvTable table, const BeamDataNumbers& numbers) {
    const TableShape& shape = ShapeOf(table);
    std::string text = std::string(shape.header) + LineEnd;
    for (int r = 0; r < shape.rows; ++r) {
        for (int c = 0; c < ColumnsOf(shape); ++c) {
            if (c > 0) text += ',';
            text += ShortestDecimal(Cell(table, numbers, r, c));
        }
        text += LineEnd;
    }
    return text;
}

Outcome<void, CsvFault> ReadCsv(CsvTable table, std::string_view bytes, BeamDataNumbers& numbers) {
    const TableShape& shape = ShapeOf(table);
    const std::vector<std::string_view> lines = LinesOf(bytes);
    const std::string rowCount = std::to_string(shape.rows);
    if (lines.empty())
        return Fail(CsvFault{table, 1, 1, std::string("the file is empty; its first line must be ") + shape.header});
    if (auto header = ReadHeader(table, shape, lines[0]); !header) return header;

    const int columns = ColumnsOf(shape);
    BeamDataNumbers read = numbers;
    for (int r = 0; r < shape.rows; ++r) {
        const int line = r + 2;
        if (line > static_cast<int>(lines.size()))
            return Fail(CsvFault{table, line, 1,
                            "the file ends after " + std::to_string(r) + " rows; the " + shape.name +
                                " table has " + rowCount + " rows"});
        const std::vector<std::string_view> fields = FieldsOf(lines[line - 1]);
        const int count = static_cast<int>(fields.size());
        if (count == 1 && fields[0].empty())
            return Fail(CsvFault{table, line, 1, "an empty line inside the table"});
        for (int c = 0; c < columns && c < count; ++c) {
            const Outcome<double, std::string> value = NumberOf(fields[c]);
            if (!value) return Fail(CsvFault{table, line, c + 1, value.error()});
            Cell(table, read, r, c) = *value;
        }
        const std::string perRow = "a row holds " + std::to_string(columns) + " numbers";
        if (count < columns)
            return Fail(CsvFault{table, line, count + 1,
                            "the row ends after " + std::to_string(count) + " numbers; " + perRow});
        if (count > columns) return Fail(CsvFault{table, line, columns + 1, "the row holds more numbers; " + perRow});
    }
    if (static_cast<int>(lines.size()) > shape.rows + 1)
        return Fail(CsvFault{table, shape.rows + 2, 1,
                        std::string("more rows than the ") + shape.name + " table's " + rowCount});
    numbers = read;
    return {};
}

Outcome<void, std::string> CheckHeading(std::string_view heading) {
    for (unsigned char c : heading)
        if (c < 0x20 || c == 0x7F)
            return Fail(std::string(
                "the heading must be one line of text, without line ends, tabs or other control characters"));
    if (heading.size() > HeadingLimit)
        return Fail("the heading is longer than " + std::to_string(HeadingLimit) + " bytes");
    return {};
}

std::string BeamDataFileText(std::string_view heading, const BeamDataNumbers& numbers) {
    std::string text = std::string(heading) + LineEnd;
    text += std::string("TMR and OCR tables made with corvane-chart convert; not for clinical use") + LineEnd;
    text += std::string("depth(mm),  4x4,  6x6,  8x8, 10x10, 12x12, 15x15, 20x20, 25x25, 30x30, 35x35  (cm)") +
            LineEnd;
    for (const auto& row : numbers.tmrRows) {
        text += Padded(ShortestDecimal(row[0]), 4);
        for (int j = 1; j <= BeamData::FieldColumns; ++j) text += ", " + ShortestDecimal(row[j]);
        text += LineEnd;
    }
    for (const char* line : {"", "Off-center ratio", "relative off-axis distance x (1 = geometric field edge)",
                             "    x,  depth 0 cm,  depth 15 cm,  depth 30 cm"})
        text += std::string(line) + LineEnd;
    for (const auto& row : numbers.ocrRows) {
        text += Padded(ShortestDecimal(row[0]), 5);
        for (int k = 1; k <= BeamData::OcrColumns; ++k) text += ", " + ShortestDecimal(row[k]);
        text += LineEnd;
    }
    return text + "end of data" + LineEnd;
}

Outcome<std::string, CsvFault> MakeBeamDataFile(std::string_view heading, const BeamDataNumbers& numbers) {
    std::string text = BeamDataFileText(heading, numbers);
    const BeamDataLoad loaded = ParseBeamData(text, "the converted file");
    if (!loaded) {
        const BeamDataFault& f = loaded.error();
        const bool inTable = f.block == DataBlock::Tmr || f.block == DataBlock::Ocr;
        return Fail(CsvFault{f.block == DataBlock::Ocr ? CsvTable::Ocr : CsvTable::Tmr, inTable ? f.row + 1 : 0,
                             inTable ? f.number : 0, RefusedReason(f, numbers)});
    }
    if (!loaded->misplacedOcrRows.empty()) {
        const MisplacedOcrRow& row = loaded->misplacedOcrRows.front();
        return Fail(CsvFault{CsvTable::Ocr, row.row + 1, 1,
                             "x = " + ShortestDecimal(numbers.ocrRows[row.row - 1][0]) + " does not fit row " +
                                 std::to_string(row.row) + ", x = " + FixedDecimal(0.1 * (row.row - 1), 1) +
                                 " (within 0.005); the rows stand for x = 0, 0.1, ..., 2.0 in this order"});
    }
    return text;
}

Outcome<void, CsvWriteFailure> WriteCsvPair(const fs::path& folder, const BeamDataNumbers& numbers) {
    const fs::path tmr = folder / TmrCsvName;
    const fs::path ocr = folder / OcrCsvName;
    // What tmr.csv held before, to put it back if ocr.csv cannot follow it.
    const Outcome<FileBytes, FileReadFault> before = ReadRegularFile(tmr, 4 * 1024 * 1024);

    if (auto written = WriteFileAtomically(tmr, CsvText(CsvTable::Tmr, numbers)); !written)
        return Fail(CsvWriteFailure{tmr, written.error().reason, true});
    const auto written = WriteFileAtomically(ocr, CsvText(CsvTable::Ocr, numbers));
    if (written) return {};

    bool restored = false;
    if (before && !before->moreFollows) {
        restored = WriteFileAtomically(tmr, before->bytes).has_value();
    } else if (!before && before.error().failure == FileReadFailure::Missing) {
        std::error_code ec;
        restored = fs::remove(tmr, ec);
    }
    return Fail(CsvWriteFailure{ocr, written.error().reason, restored});
}

}  // namespace corvane
