// The CSV reader on arbitrary bytes, as the TMR table and as the OCR table
// (the other table from the bundled file): a refusal names a line and a
// column with a short clean reason; a table it reads makes a data file that
// is refused the same way, or loads and gives back every number exactly.
#include "FuzzCheck.h"

#include "state/BeamDataCsv.h"
#include "state/BeamDataLoader.h"
#include "state/MessageText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace corvane;

const BeamDataNumbers& bundledNumbers() {
    static const BeamDataNumbers numbers = [] {
        BeamDataLoad result = LoadBeamDataFile(CORVANE_FUZZ_DATA_FILE);
        if (!result.has_value()) {
            std::fprintf(stderr, "%s\n", DescribeBeamDataFault(result.error()).c_str());
            std::abort();
        }
        return NumbersOf(result->data, result->source);
    }();
    return numbers;
}

void checkFault(const CsvFault& fault, bool inCsv) {
    FUZZ_CHECK(inCsv ? fault.line >= 1 && fault.column >= 1 : fault.line >= 0);
    FUZZ_CHECK(!fault.reason.empty());
    std::size_t characters = 0;
    for (unsigned char c : fault.reason) {
        FUZZ_CHECK(c >= 0x20 && c != 0x7F);
        if ((c & 0xC0) != 0x80) ++characters;
    }
    FUZZ_CHECK(characters <= MessageCharacterLimit);
}

void checkTable(CsvTable table, std::string_view text) {
    BeamDataNumbers numbers = bundledNumbers();
    if (const auto read = ReadCsv(table, text, numbers); !read) return checkFault(read.error(), true);
    const Outcome<std::string, CsvFault> made = MakeBeamDataFile("fuzz", numbers);
    if (!made) return checkFault(made.error(), false);
    const BeamDataLoad loaded = ParseBeamData(*made, "made.dat");
    FUZZ_CHECK(loaded.has_value());
    const BeamDataNumbers back = NumbersOf(loaded->data, loaded->source);
    FUZZ_CHECK(back.tmrRows == numbers.tmrRows && back.ocrRows == numbers.ocrRows);
    BeamDataNumbers again;
    FUZZ_CHECK(ReadCsv(table, CsvText(table, back), again).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    checkTable(CsvTable::Tmr, text);
    checkTable(CsvTable::Ocr, text);
    return 0;
}
