// The leading-number rule against the C library: strtod in the C locale must
// read exactly the text the rule accepts, to the same double.
#include "FuzzCheck.h"

#include "state/LeadingNumber.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <locale.h>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const std::string_view number = corvane::LeadingNumberText(text);
    const double parsed = corvane::ParseLeadingNumber(text);

    // The number follows the blanks and tabs at the start, and only them.
    const std::size_t blanks = text.find_first_not_of(" \t");
    const std::string_view rest = blanks == std::string_view::npos ? std::string_view{} : text.substr(blanks);
    FUZZ_CHECK(rest.substr(0, number.size()) == number);
    FUZZ_CHECK(number.empty() || number.data() == rest.data());

    if (number.empty()) {
        FUZZ_CHECK(bits(parsed) == bits(0.0));
        // Nothing that starts like a decimal number was passed over.
        std::size_t p = !rest.empty() && (rest[0] == '+' || rest[0] == '-') ? 1 : 0;
        if (p < rest.size() && rest[p] == '.') ++p;
        FUZZ_CHECK(p >= rest.size() || !isDigit(rest[p]));
        return 0;
    }
    // A digit right after the number would have belonged to it.
    FUZZ_CHECK(number.size() == rest.size() || !isDigit(rest[number.size()]));

    FUZZ_CHECK(cLocale != static_cast<locale_t>(nullptr));
    const std::string copy(number);
    char* end = nullptr;
    const double expected = strtod_l(copy.c_str(), &end, cLocale);
    FUZZ_CHECK(end == copy.c_str() + copy.size());
    FUZZ_CHECK(!std::isnan(expected));
    FUZZ_CHECK(bits(parsed) == bits(expected));
    return 0;
}
