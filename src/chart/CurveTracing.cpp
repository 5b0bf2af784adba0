#include "chart/CurveTracing.h"

#include "chart/Palette.h"
#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane::chart_detail {

double LevelValue(int k) { return 0.1 * k; }

std::string FieldSizeCaption(double fieldWidth, double fieldLength) {
    return FormatPrintNumber(fieldWidth) + "x" + FormatPrintNumber(fieldLength) + "cm";
}

std::string SetupCaption(BeamSetup setup) { return IsSsdSetup(setup) ? "SSD = 100 cm" : "STD = 100 cm"; }

namespace {

struct WedgeCaptionRow {
    WedgeFilter wedge;
    const char* caption;
};
constexpr WedgeCaptionRow WedgeCaptions[] = {
    {WedgeFilter::None, "Wedge filter : non"},
    {WedgeFilter::Deg30, "Wedge filter : 30 degree"},
    {WedgeFilter::Deg45, "Wedge filter : 45 degree"},
    {WedgeFilter::Deg60, "Wedge filter : 60 degree"},
};

const char* NamedWedgeCaption(WedgeFilter wedge) {
    for (const WedgeCaptionRow& row : WedgeCaptions)
        if (row.wedge == wedge) return row.caption;
    return nullptr;
}

}  // namespace

const char* ScreenWedgeCaption(WedgeFilter wedge) {
    const char* caption = NamedWedgeCaption(wedge);
    return caption != nullptr ? caption : NamedWedgeCaption(WedgeFilter::Deg60);
}

const char* PageWedgeCaption(WedgeFilter wedge) { return HasWedge(wedge) ? NamedWedgeCaption(wedge) : nullptr; }

int LevelColour(int k) {
    if (k < 6) return ColourBlack;
    if (k < 10) return ColourLightBlue;
    return ColourLightRed;
}

CurveTracer::CurveTracer(const DoseCalculation& result, DrawingSurface& surface, const TraceBounds& bounds,
                         TraceMode mode)
    : surface_(surface), bounds_(bounds), mode_(mode), grid_(result.DoseGrid), depthSteps_(result.DepthSteps),
      // A left scan reads up to the search's last column or the flank's
      // last (leftFlankEnd - 1), whichever lies further; likewise on the right.
      leftScanLast_(std::max(bounds.leftSearchLast, bounds.leftFlankEnd - 1)),
      rightScanLast_(std::min(bounds.rightSearchLast, bounds.rightFlankEnd + 1)) {
    for (int k = 1; k <= LevelCount; ++k) levels_[k] = LevelValue(k);
    reachable_.fill(-1);
}

void CurveTracer::Fail(const char* what) { throw CalculationFailure(what); }

OptionalColour CurveTracer::SegmentColour() const {
    if (mode_ == TraceMode::Printed) return std::nullopt;
    return CurveColour;
}

CurveTables CurveTracer::ScreenTables() const {
    return {StartX, StartY, EndX, EndY, CurveColour, SegmentStartX, SegmentEndX, SegmentStartY, SegmentEndY};
}

PrintTables CurveTracer::PageTables() const {
    return {StartX, StartY, EndX, EndY, SegmentStartX, SegmentEndX, SegmentStartY, SegmentEndY};
}

double CurveTracer::Cell(long long I, long long J) const {
    if (I < 0 || I >= Columns || J < 0 || J >= Rows) {
        // The screen chart stops here rather than read outside the matrix;
        // the printed page clamps its columns and never gets here.
        Fail("chart drawing: a read outside DoseGrid");
    }
    return grid_(static_cast<int>(I), static_cast<int>(J));
}

bool CurveTracer::RowReadable(int J) const {
    if (J < Rows) return true;
    if (mode_ == TraceMode::Screen) Fail("chart drawing: a flank ran below row 300 of DoseGrid");
    return false;
}

namespace {

// The first I in from..last with row[I] not below L (NaN is not below
// anything), or last + 1.
inline int FirstNotBelowUpwards(const double* row, int from, int last, double L) {
    int I = from;
#if defined(__SSE2__)
    const __m128d level = _mm_set1_pd(L);
    for (; I + 3 <= last; I += 4) {
        const int low = _mm_movemask_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + I), level));
        const int high = _mm_movemask_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + I + 2), level));
        if (low | high) return low ? I + ((low & 1) ? 0 : 1) : I + 2 + ((high & 1) ? 0 : 1);
    }
#endif
    while (I <= last && row[I] < L) ++I;
    return I;
}

// The first I in from, from - 1, ..., last with row[I] not below L, or last - 1.
inline int FirstNotBelowDownwards(const double* row, int from, int last, double L) {
    int I = from;
#if defined(__SSE2__)
    const __m128d level = _mm_set1_pd(L);
    for (; I - 3 >= last; I -= 4) {
        // Lanes: bit 1 of `high` is row[I], bit 0 row[I - 1]; likewise `low` for I - 2, I - 3.
        const int high = _mm_movemask_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + I - 1), level));
        const int low = _mm_movemask_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + I - 3), level));
        if (high | low) return high ? I - ((high & 2) ? 0 : 1) : I - 2 - ((low & 2) ? 0 : 1);
    }
#endif
    while (I >= last && row[I] < L) --I;
    return I;
}

// The largest cell of row[first..last], and whether any is NaN.
inline double RowMaximum(const double* row, int first, int last, bool& nan) {
    int I = first;
    double highest = -std::numeric_limits<double>::infinity();
    nan = false;
#if defined(__SSE2__)
    __m128d m0 = _mm_set1_pd(highest), m1 = m0;
    __m128d unordered = _mm_setzero_pd();
    for (; I + 3 <= last; I += 4) {
        const __m128d a = _mm_loadu_pd(row + I);
        const __m128d b = _mm_loadu_pd(row + I + 2);
        m0 = _mm_max_pd(a, m0);  // a NaN lane keeps m0; the NaN is noted below
        m1 = _mm_max_pd(b, m1);
        unordered = _mm_or_pd(unordered, _mm_cmpunord_pd(a, b));
    }
    double lanes[4];
    _mm_storeu_pd(lanes, m0);
    _mm_storeu_pd(lanes + 2, m1);
    for (double v : lanes) highest = v > highest ? v : highest;
    nan = _mm_movemask_pd(unordered) != 0;
#endif
    for (; I <= last; ++I) {
        const double d = row[I];
        highest = d > highest ? d : highest;
        nan |= d != d;
    }
    return highest;
}

}  // namespace

// How many levels row J can reach at all, from the row's largest cell over
// the columns either pass reads: a level above it is found nowhere in the
// row, so a sweep may stop once the levels below it are resolved. A row
// holding a NaN (which no level is "below") reaches them all.
int CurveTracer::ReachableLevels(int J) {
    if (reachable_[J] < 0) {
        const int first = std::min(bounds_.leftSearchFirst, rightScanLast_);
        const int last = std::max(leftScanLast_, bounds_.rightSearchFirst);
        bool nan = false;
        const double highest = RowMaximum(grid_.row(J), first, last, nan);
        int reachable = 0;
        if (nan) {
            reachable = LevelCount;
        } else {
            while (reachable < LevelCount && !(highest < levels_[reachable + 1])) ++reachable;
        }
        reachable_[J] = static_cast<std::int8_t>(reachable);
    }
    return reachable_[J];
}

// One sweep of row J from the left finds, for every level at once, the first
// column whose cell is not below L. L grows with k, so a cell below the
// lowest level still unresolved is below all the higher ones too, and the
// next level's column lies further on.
int CurveTracer::LeftFirst(int J, int k) {
    if (!leftReady_[J]) {
        RowIndex& first = leftFirst_[J];
        const double* row = grid_.row(J);
        const int last = leftScanLast_;
        const int reachable = ReachableLevels(J);
        int p = 1;
        int I = bounds_.leftSearchFirst;
        while (p <= reachable) {
            I = FirstNotBelowUpwards(row, I, last, levels_[p]);
            if (I > last) break;
            const double d = row[I];
            while (p <= LevelCount && !(d < levels_[p])) first[p++] = static_cast<std::int16_t>(I);
            ++I;
        }
        for (; p <= LevelCount; ++p) first[p] = static_cast<std::int16_t>(last + 1);
        leftReady_[J] = true;
    }
    return leftFirst_[J][k];
}

int CurveTracer::RightFirst(int J, int k) {
    if (!rightReady_[J]) {
        RowIndex& first = rightFirst_[J];
        const double* row = grid_.row(J);
        const int last = rightScanLast_;
        const int reachable = ReachableLevels(J);
        int p = 1;
        int I = bounds_.rightSearchFirst;
        while (p <= reachable) {
            I = FirstNotBelowDownwards(row, I, last, levels_[p]);
            if (I < last) break;
            const double d = row[I];
            while (p <= LevelCount && !(d < levels_[p])) first[p++] = static_cast<std::int16_t>(I);
            --I;
        }
        for (; p <= LevelCount; ++p) first[p] = static_cast<std::int16_t>(last - 1);
        rightReady_[J] = true;
    }
    return rightFirst_[J][k];
}

// x = (I - 1) + (L - D(I - 1, J)) / (D(I, J) - D(I - 1, J)); x = I where the
// two cells are equal.
double CurveTracer::LeftCrossing(int I, int J, double L) const {
    if (I <= 0) Fail("chart drawing: a left crossing at column 0 needs column -1");
    const double a = grid_(I - 1, J);
    const double b = grid_(I, J);
    if (a == b) return I;
    const double x = (I - 1) + (L - a) / (b - a);
    if (mode_ == TraceMode::Screen && !std::isfinite(x)) Fail("chart drawing: a non-finite left crossing");
    return x;
}

// x = I + (L - D(I, J)) / (D(I + 1, J) - D(I, J)); x = I where the two cells
// are equal.
double CurveTracer::RightCrossing(int I, int J, double L) const {
    if (I >= Columns - 1) Fail("chart drawing: a right crossing at column 500 needs column 501");
    const double a = grid_(I, J);
    const double b = grid_(I + 1, J);
    if (a == b) return I;
    const double x = I + (L - a) / (b - a);
    if (mode_ == TraceMode::Screen && !std::isfinite(x)) Fail("chart drawing: a non-finite right crossing");
    return x;
}

void CurveTracer::Segment(int t, int k, double x, int J) {
    SegmentEndX = x;
    SegmentEndY = J;
    surface_.Line(SegmentStartX, SegmentStartY, SegmentEndX, SegmentEndY, SegmentColour());
    SegmentStartX = SegmentEndX;
    SegmentStartY = SegmentEndY;
    EndX[t][k] = SegmentEndX;
    EndY[t][k] = SegmentEndY;
}

bool CurveTracer::TraceLeftFlank(int k) {
    const double L = levels_[k];

    // The first row: J = 0..249, I from leftSearchFirst to leftSearchLast.
    int J = 0;
    int I = 0;
    for (; J <= 249; ++J) {
        I = LeftFirst(J, k);
        if (I <= bounds_.leftSearchLast) break;
    }
    if (J > 249) return false;

    const double x = LeftCrossing(I, J, L);
    SegmentStartX = x;
    SegmentStartY = J;
    StartX[0][k] = x;
    StartY[0][k] = J;

    do {
        ++J;
        if (!RowReadable(J)) break;
        I = std::min(LeftFirst(J, k), bounds_.leftFlankEnd);
        if (I >= bounds_.leftFlankEnd) break;  // the flank ends
        Segment(0, k, LeftCrossing(I, J, L), J);
    } while (SegmentEndX < bounds_.xLimit && SegmentEndY < depthSteps_);
    return true;
}

bool CurveTracer::TraceRightFlank(int k) {
    const double L = levels_[k];

    int J = 0;
    int I = 0;
    for (; J <= 249; ++J) {
        I = RightFirst(J, k);
        if (I >= bounds_.rightSearchLast) break;
    }
    if (J > 249) return false;

    const double x = RightCrossing(I, J, L);
    SegmentStartX = x;
    SegmentStartY = J;
    StartX[1][k] = x;
    StartY[1][k] = J;

    do {
        ++J;
        if (!RowReadable(J)) break;
        I = std::max(RightFirst(J, k), bounds_.rightFlankEnd);
        if (I <= bounds_.rightFlankEnd) break;  // the flank ends
        Segment(1, k, RightCrossing(I, J, L), J);
    } while (SegmentEndX < bounds_.xLimit && SegmentEndY < depthSteps_);
    return true;
}

// From the point (xFrom, y) across the columns Int(xFrom + 1) .. Int(xTo),
// each crossing the level between the rows upperRow and upperRow + 1, then
// to (xTo, yTo).
void CurveTracer::CloseAcross(int k, double xFrom, double y, double xTo, double yTo, double upperRow) {
    const double L = levels_[k];
    const OptionalColour colour = SegmentColour();
    surface_.PSet(xFrom, y, colour);

    if (mode_ == TraceMode::Screen) {
        const double first = std::floor(xFrom + 1);
        const double last = std::floor(xTo);
        if (!std::isfinite(first) || !std::isfinite(last)) Fail("chart drawing: a non-finite closing column");
        if (first <= last) {
            // Rows outside the matrix, like the first column outside it, fail
            // before anything is read, so this loop never runs long.
            if (!(upperRow >= 0 && upperRow + 1 < Rows)) Fail("chart drawing: a read outside DoseGrid");
            const long long J = static_cast<long long>(upperRow);
            for (double column = first; column <= last; column += 1) {
                const long long I = static_cast<long long>(std::clamp(column, -1.0, 501.0));
                const double a = Cell(I, J);
                const double b = Cell(I, J + 1);
                if (a == b) Fail("chart drawing: division by zero in a closing interpolation");
                const double yi = upperRow + (L - a) / (b - a);
                if (!std::isfinite(yi)) Fail("chart drawing: a non-finite closing interpolation");
                surface_.LineTo(static_cast<double>(I), yi, colour);
            }
        }
    } else if (!std::isnan(xFrom) && !std::isnan(xTo) && upperRow >= 0 && upperRow + 1 < Rows) {
        // The page never fails and never reads outside DoseGrid: the column
        // range is clamped to 0..500 in double before it becomes an integer
        // (a flank may start far outside the window), and a column whose two
        // cells are equal adds no point (the line goes on from the last point
        // drawn) rather than dividing by zero.
        const int J = static_cast<int>(upperRow);
        const int first = static_cast<int>(std::floor(std::clamp(xFrom + 1, 0.0, 500.0)));
        const int last = static_cast<int>(std::floor(std::clamp(xTo, 0.0, 500.0)));
        for (int I = first; I <= last; ++I) {
            const double a = grid_(I, J);
            const double b = grid_(I, J + 1);
            if (a == b) continue;
            surface_.LineTo(I, upperRow + (L - a) / (b - a), colour);
        }
    }
    surface_.LineTo(xTo, yTo, colour);
}

void CurveTracer::CloseCurve(int k) {
    // Top: only for a curve that does not start at the surface row 0.
    if (StartY[0][k] > 0) {
        const double y0 = StartY[0][k];
        CloseAcross(k, StartX[0][k], y0, StartX[1][k], StartY[1][k], y0 - 1);
    }
    // Bottom: only when the left flank recorded an end above the fixed row 250.
    if (EndY[0][k] != -1 && EndY[0][k] < 250) {
        const double y1 = EndY[0][k];
        CloseAcross(k, EndX[0][k], y1, EndX[1][k], EndY[1][k], y1);
    }
}

}  // namespace corvane::chart_detail
