// The isodose curve tracing shared by the screen chart (left, right and
// closing passes) and the printed page. Internal to src/chart.
#pragma once

#include "chart/DrawChart.h"
#include "chart/DrawingSurface.h"
#include "dose/DoseCalculation.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::chart_detail {

inline constexpr int LevelCount = 20;

// L = 0.1 x k in double precision (not k / 10), k = 1..20.
double LevelValue(int k);

// The colour number of level k on the screen: 0, 9 or 12.
int LevelColour(int k);

// The captions both charts share: the field size as Print writes it
// (" 10 x 10 cm") and the set-up ("SSD = 100 cm" for Setup 1, else STD).
std::string FieldSizeCaption(double fieldWidth, double fieldLength);
std::string SetupCaption(BeamSetup setup);
// The wedge captions, one table for both charts: the screen's names every
// value ("Wedge filter : non" for no wedge, and for any value not named the
// 60 degree wedge's caption); the printed page's names only a wedge that is
// named, and none (nullptr) for no wedge or any other value.
const char* ScreenWedgeCaption(WedgeFilter wedge);
const char* PageWedgeCaption(WedgeFilter wedge);

// Operations drawn without a colour use the surface's foreground colour.
inline constexpr OptionalColour Foreground = std::nullopt;

// A caption: the current position is set first, then the text is printed.
inline void PrintAt(DrawingSurface& surface, double x, double y, std::string_view text) {
    surface.SetCurrentXY(x, y);
    surface.Print(text);
}

// Where the passes search and how far a flank runs.
struct TraceBounds {
    int leftSearchFirst;   // the first-row search of the left pass covers
    int leftSearchLast;    //   I = leftSearchFirst, +1, ..., leftSearchLast
    int leftFlankEnd;      // a following row: I from leftSearchFirst while I < leftFlankEnd
    int rightSearchFirst;  // the right pass covers I = rightSearchFirst, -1, ...,
    int rightSearchLast;   //   rightSearchLast
    int rightFlankEnd;     // a following row: I from rightSearchFirst while I > rightFlankEnd
    double xLimit;         // a flank goes on while SegmentEndX < xLimit
};

// Screen chart: I = 0..498 and 500..2; flanks end at 500 and 0.
inline constexpr TraceBounds ScreenBounds{0, 498, 500, 500, 2, 0, 500.0};
// Printed page: I = 150..349 and 350..151; flanks end at 350 and 150.
inline constexpr TraceBounds PrintBounds{150, 349, 350, 350, 151, 150, 350.0};

enum class TraceMode {
    // The screen: a crossing outside the matrix, a read outside DoseGrid, a
    // zero divisor in a closing interpolation or any non-finite value is a
    // CalculationFailure. Every curve operation carries the level's colour.
    Screen,
    // The printed page: never fails and never reads outside DoseGrid; the
    // closing pass's columns are clamped to 0..500 and a column whose two
    // cells are equal adds no point. No operation carries a colour.
    Printed,
};

// Traces the curves of one chart, and lives for that one drawing: it owns
// the scratch values and the four curve tables of the tracing, and reads the
// result through a const reference. The row scans are shared by the levels:
// for each row the first column at or above every level is found in one
// sweep, the first time that row is needed, so the result is exactly that of
// the literal cell-by-cell search, in the same order of drawing.
class CurveTracer {
public:
    CurveTracer(const DoseCalculation& result, DrawingSurface& surface, const TraceBounds& bounds,
                TraceMode mode);

    // The left (trace t = 0) or right (t = 1) flank of level k: the first row
    // the level reaches, the start point in it, then one segment per row down
    // the flank. Returns false when the level has no curve (nothing drawn).
    bool TraceLeftFlank(int k);
    bool TraceRightFlank(int k);

    // The closing pass for level k: the top and the bottom closing lines.
    void CloseCurve(int k);

    // The palette number of the level being drawn, set by the drawing
    // before each level; the printed page draws in the foreground colour.
    int CurveColour = 0;
    // The segment being drawn: its start, then its end once found.
    double SegmentStartX = 0;
    double SegmentEndX = 0;
    double SegmentStartY = 0;
    double SegmentEndY = 0;
    // The first point and the last segment end of each flank, [trace][level]:
    // the screen's CurveStartX, CurveStartY, CurveEndX and CurveEndY, or the
    // page's PrintStartX ... . Every entry starts at -1, "no such point".
    CurveTable StartX = NoCurvePoints;
    CurveTable StartY = NoCurvePoints;
    CurveTable EndX = NoCurvePoints;
    CurveTable EndY = NoCurvePoints;

    // The tables and the last scratch values under the screen's and the page's names.
    CurveTables ScreenTables() const;
    PrintTables PageTables() const;

private:
    static constexpr int Rows = DoseMatrix::RowCount;        // 301
    static constexpr int Columns = DoseMatrix::ColumnCount;  // 501
    using RowIndex = std::array<std::int16_t, LevelCount + 1>;

    // The first column at or above level k in row J, scanning from the
    // pass's start; a value past the scan's end when there is none.
    int LeftFirst(int J, int k);
    int RightFirst(int J, int k);
    int ReachableLevels(int J);

    double Cell(long long I, long long J) const;  // screen: fails outside the matrix
    double LeftCrossing(int I, int J, double L) const;
    double RightCrossing(int I, int J, double L) const;
    // Whether the flank may read row J; the screen fails where it may not.
    bool RowReadable(int J) const;
    void Segment(int t, int k, double x, int J);
    void CloseAcross(int k, double xFrom, double y, double xTo, double yTo, double upperRow);
    [[noreturn]] static void Fail(const char* what);
    OptionalColour SegmentColour() const;  // CurveColour on the screen, none on the page

    DrawingSurface& surface_;
    TraceBounds bounds_;
    TraceMode mode_;
    const DoseMatrix& grid_;
    int depthSteps_;

    int leftScanLast_;   // the last column a left scan reads
    int rightScanLast_;  // the last column a right scan reads
    std::array<double, LevelCount + 1> levels_{};
    std::array<std::int8_t, Rows> reachable_;  // -1 until computed
    std::array<bool, Rows> leftReady_{};
    std::array<bool, Rows> rightReady_{};
    std::array<RowIndex, Rows> leftFirst_{};
    std::array<RowIndex, Rows> rightFirst_{};
};

}  // namespace corvane::chart_detail
