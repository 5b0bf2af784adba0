#include "chart/ChartReadout.h"

#include "chart/TextRules.h"

#include <cmath>

namespace corvane {

int ChartCell(float value) { return static_cast<int>(std::floor(value)); }

bool StepCursor(ChartCursor& cursor, CursorKey key) {
    if (!cursor.CursorInChart) return false;
    switch (key) {
    case CursorKey::Right:
        if (!(cursor.CursorX < ChartAreaRight)) return false;
        cursor.CursorX += 1;
        return true;
    case CursorKey::Left:
        if (!(cursor.CursorX > ChartAreaLeft)) return false;
        cursor.CursorX -= 1;
        return true;
    case CursorKey::Down:
        if (!(cursor.CursorY < ChartAreaBottom)) return false;
        cursor.CursorY += 1;
        return true;
    case CursorKey::Up:
        if (!(cursor.CursorY > ChartAreaTop)) return false;
        cursor.CursorY -= 1;
        return true;
    }
    return false;
}

ReadoutTexts ReadoutTextsAt(const DoseMatrix& grid, int ix, int iy, std::string_view decimalSeparator) {
    ReadoutTexts texts{FormatWholeNumber(ix - AxisColumn), FormatWholeNumber(iy), {}};
    // A non-finite cell would only come from a broken calculation; showing
    // nothing is better than "inf" or "nan" in a dose box.
    const double d = grid(ix, iy);
    if (std::isfinite(d)) texts.dose = FormatDoseBox(d, decimalSeparator);
    return texts;
}

}  // namespace corvane
