#include "windows/DoseReadout.h"

#include "chart/TextRules.h"

#include <QLocale>

#include <cmath>

namespace corvane {

QString DoseBoxText(double d) {
    // A non-finite cell would only come from a broken calculation; showing
    // nothing is better than "inf" or "nan" in a dose box.
    if (!std::isfinite(d)) return {};
    static const std::string separator = QLocale::system().decimalPoint().toStdString();
    return QString::fromStdString(FormatDoseBox(d, separator));
}

}  // namespace corvane
