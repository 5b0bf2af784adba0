// The beam data loader on arbitrary bytes: it never crashes, and a file it
// accepts gives tables the dose model can use.
#include "FuzzCheck.h"

#include "state/BeamDataLoader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using corvane::BeamData;
using corvane::BeamDataLoadResult;

// The only calls into the loader's interface, kept together.
BeamDataLoadResult parse(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    return corvane::ParseBeamData(in, "fuzz.dat");
}
const std::string& messageOf(const BeamDataLoadResult& result) { return result.error; }

template <class Row>
void checkRow(const Row& row) {
    FUZZ_CHECK(row[0] == 0);
    for (double value : row) FUZZ_CHECK(std::isfinite(value));
}

void checkAccepted(const BeamData& data) {
    checkRow(data.DepthTable);
    for (int i = 2; i <= BeamData::DepthRows; ++i) FUZZ_CHECK(data.DepthTable[i] > data.DepthTable[i - 1]);
    FUZZ_CHECK(data.DepthTable[BeamData::DepthRows] >= 25);

    FUZZ_CHECK(data.FieldSizeTable == BeamData::FixedFieldSizes);

    for (double value : data.TmrTable[0]) FUZZ_CHECK(value == 0);
    for (const auto& row : data.TmrTable) checkRow(row);
    for (double value : data.OcrTable[0]) FUZZ_CHECK(value == 0);
    for (const auto& row : data.OcrTable) checkRow(row);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const BeamDataLoadResult result = parse({reinterpret_cast<const char*>(bytes), size});
    if (result.ok())
        checkAccepted(*result.data);
    else
        FUZZ_CHECK(!messageOf(result).empty());
    return 0;
}
