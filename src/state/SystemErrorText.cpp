#include "state/SystemErrorText.h"

#include <cstring>
#include <locale.h>

namespace corvane {

std::string SystemErrorText(int errorNumber) {
    // Qt sets the environment's locale at start, and strerror follows it;
    // the messages of the program are in English, so is their reason.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale != locale_t{} ? strerror_l(errorNumber, cLocale) : std::strerror(errorNumber);
}

}  // namespace corvane
