#include "state/CLocaleNumber.h"

#include <cstdlib>

#include <locale.h>

namespace corvane {

double DecimalToDouble(const std::string& number) {
    // strtod honours LC_NUMERIC, and a Qt program runs in the user's locale;
    // the texts here always use ".", so convert in the C locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace corvane
