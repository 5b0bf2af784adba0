// The beam data loader on arbitrary bytes: it never crashes, and a file it
// accepts gives tables the dose model can use and a plausibility check with
// short clean messages, each naming a line.
#include "FuzzCheck.h"

#include "dose/BeamDataCheck.h"
#include "state/BeamDataLoader.h"
#include "state/MessageText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using corvane::BeamData;
using corvane::BeamDataLoad;

// A message is short and holds no control character: a field of the file
// can neither flood a message box nor steer a terminal.
void checkMessage(const std::string& message) {
    FUZZ_CHECK(!message.empty());
    std::size_t characters = 0;
    for (unsigned char c : message) {
        FUZZ_CHECK(c >= 0x20 && c != 0x7F);
        if ((c & 0xC0) != 0x80) ++characters;
    }
    FUZZ_CHECK(characters <= corvane::MessageCharacterLimit);
}

// Every value is finite and not negative; TMR and OCR are ratios that stay
// within the loader's limit.
template <class Row>
void checkRow(const Row& row, double limit) {
    FUZZ_CHECK(row[0] == 0);
    for (double value : row) FUZZ_CHECK(std::isfinite(value) && value >= 0 && value <= limit);
}

void checkAccepted(const BeamData& data) {
    checkRow(data.DepthTable, HUGE_VAL);
    for (int i = 2; i <= BeamData::DepthRows; ++i) FUZZ_CHECK(data.DepthTable[i] > data.DepthTable[i - 1]);
    FUZZ_CHECK(data.DepthTable[BeamData::DepthRows] >= 25);

    FUZZ_CHECK(data.FieldSizeTable == BeamData::FixedFieldSizes);

    for (double value : data.TmrTable[0]) FUZZ_CHECK(value == 0);
    for (const auto& row : data.TmrTable) checkRow(row, corvane::BeamDataValueLimit);
    for (double value : data.OcrTable[0]) FUZZ_CHECK(value == 0);
    for (const auto& row : data.OcrTable) checkRow(row, corvane::BeamDataValueLimit);
}

// Only what is shown is worded, as the tool and the windows word it.
void checkConcerns(const BeamDataLoad& loaded) {
    const auto concerns = corvane::FindTableConcerns(loaded->data, loaded->source);
    for (const auto& concern : corvane::SelectShownConcerns(concerns).shown) FUZZ_CHECK(concern.line >= 1);
    for (const corvane::Message& message : corvane::ShownConcernMessages(concerns))
        checkMessage(corvane::EnglishText(message));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const BeamDataLoad result = corvane::ParseBeamData(text, "fuzz.dat");
    if (result.has_value()) {
        checkAccepted(result->data);
        if (!result->misplacedOcrRows.empty()) checkMessage(result->warning());
        checkConcerns(result);
    } else {
        checkMessage(corvane::DescribeBeamDataFault(result.error()));
    }
    return 0;
}
