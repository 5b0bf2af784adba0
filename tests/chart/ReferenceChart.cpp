#include "chart/ReferenceChart.h"

#include "chart/TextRules.h"
#include "dose/CalculationFailure.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace corvane::test {

namespace {

struct Grid {
    const DoseMatrix& m;
    // Every read is checked: a subscript outside the matrix throws, as the
    // screen chart does, and takes the failure path.
    double operator()(long long I, long long J) const {
        if (I < 0 || I > 500 || J < 0 || J > 300) throw CalculationFailure("reference: subscript");
        return m(static_cast<int>(I), static_cast<int>(J));
    }
};

double Finite(double v) {
    if (!std::isfinite(v)) throw CalculationFailure("reference: non-finite");
    return v;
}

int ColourOf(int k) { return k < 6 ? 0 : (k < 10 ? 9 : 12); }

std::string Caption(double w, double l) { return FormatPrintNumber(w) + "x" + FormatPrintNumber(l) + "cm"; }

// The tracing's scratch values, for the length of one drawing.
struct Scratch {
    int DepthSteps;
    int CurveColour = 0;
    double SegmentStartX = 0, SegmentEndX = 0, SegmentStartY = 0, SegmentEndY = 0;
};

}  // namespace

void ReferenceDrawChart(const DoseCalculation& s, ChartMesh mesh, CurveTables& c, DrawingSurface& surface) {
    const Grid D{s.DoseGrid};
    Scratch p{s.DepthSteps};
    c = CurveTables{};
    const OptionalColour fg;

    surface.Cls();
    if (mesh == ChartMesh::OneCm) {
        for (int x = 10; x <= 490; x += 10) surface.Line(x, 0, x, 250, 7);
        for (int y = 10; y <= 240; y += 10) surface.Line(0, y, 500, y, 7);
    }
    for (int x = 0; x <= 500; x += 50) {
        surface.Line(x, 0, x, 250, 7);
        surface.Line(x, 0, x, 5, fg);
        surface.Line(x, 250, x, 245, fg);
    }
    for (int y = 0; y <= 250; y += 50) {
        surface.Line(0, y, 500, y, 7);
        surface.Line(0, y, 5, y, fg);
        surface.Line(500, y, 495, y, fg);
    }
    surface.Box(0, 0, 500, 250);
    surface.Line(250, -150, 250, 252, fg);
    surface.Circle(250, Finite(std::floor(10 * s.Conditions.Depth)), 2, 12);
    const struct {
        const char* t;
        double x, y;
    } labels[] = {{"0", -10, -8},   {"5", -10, 42},   {"10", -18, 92},   {"15", -18, 142}, {"20", -18, 192},
                  {"25", -18, 242}, {"0", 247, 251},  {"5", 297, 251},   {"10", 344, 251}, {"15", 394, 251},
                  {"20", 444, 251}, {"-5", 190, 251}, {"-10", 137, 251}, {"-15", 87, 251}, {"-20", 37, 251}};
    for (const auto& l : labels) {
        surface.SetCurrentXY(l.x, l.y);
        surface.Print(l.t);
    }

    // Left pass, each level found labelled at x = 520.
    for (int k = 1; k <= 20; ++k) {
        p.CurveColour = ColourOf(k);
        const double L = 0.1 * k;
        long long I = 0, J = 0;
        bool found = false;
        for (J = 0; J <= 249 && !found; ++J)
            for (I = 0; I <= 498; ++I)
                if (!(D(I, J) < L)) {
                    found = true;
                    break;
                }
        if (!found) continue;
        --J;  // the loop stepped past the row it found
        auto leftX = [&](long long i, long long j) {
            const double a = D(i - 1, j), b = D(i, j);
            return a == b ? static_cast<double>(i) : Finite((i - 1) + (L - a) / (b - a));
        };
        const double x = leftX(I, J);
        p.SegmentStartX = x;
        p.SegmentStartY = J;
        c.CurveStartX[0][k] = x;
        c.CurveStartY[0][k] = J;
        do {
            J = J + 1;
            I = 0;
            while (I < 500 && D(I, J) < L) I = I + 1;
            if (I == 500) break;
            p.SegmentEndX = leftX(I, J);
            p.SegmentEndY = J;
            surface.Line(p.SegmentStartX, p.SegmentStartY, p.SegmentEndX, p.SegmentEndY, p.CurveColour);
            p.SegmentStartX = p.SegmentEndX;
            p.SegmentStartY = p.SegmentEndY;
            c.CurveEndX[0][k] = p.SegmentEndX;
            c.CurveEndY[0][k] = p.SegmentEndY;
        } while (p.SegmentEndX < 500 && p.SegmentEndY < p.DepthSteps);
        surface.PSet(520, 250 - 15 * k, 15);
        surface.ForeColor(p.CurveColour);
        surface.Print(FormatPrintNumber(10 * k) + "%");
    }
    surface.ForeColor(0);

    // Right pass, without labels.
    for (int k = 1; k <= 20; ++k) {
        p.CurveColour = ColourOf(k);
        const double L = 0.1 * k;
        long long I = 0, J = 0;
        bool found = false;
        for (J = 0; J <= 249 && !found; ++J)
            for (I = 500; I >= 2; --I)
                if (!(D(I, J) < L)) {
                    found = true;
                    break;
                }
        if (!found) continue;
        --J;
        auto rightX = [&](long long i, long long j) {
            const double a = D(i, j), b = D(i + 1, j);
            return a == b ? static_cast<double>(i) : Finite(i + (L - a) / (b - a));
        };
        const double x = rightX(I, J);
        p.SegmentStartX = x;
        p.SegmentStartY = J;
        c.CurveStartX[1][k] = x;
        c.CurveStartY[1][k] = J;
        do {
            J = J + 1;
            I = 500;
            while (I > 0 && D(I, J) < L) I = I - 1;
            if (I == 0) break;
            p.SegmentEndX = rightX(I, J);
            p.SegmentEndY = J;
            surface.Line(p.SegmentStartX, p.SegmentStartY, p.SegmentEndX, p.SegmentEndY, p.CurveColour);
            p.SegmentStartX = p.SegmentEndX;
            p.SegmentStartY = p.SegmentEndY;
            c.CurveEndX[1][k] = p.SegmentEndX;
            c.CurveEndY[1][k] = p.SegmentEndY;
        } while (p.SegmentEndX < 500 && p.SegmentEndY < p.DepthSteps);
    }

    // Closing pass: the top and the bottom line of every level.
    for (int k = 1; k <= 20; ++k) {
        p.CurveColour = ColourOf(k);
        const int C = p.CurveColour;
        const double L = 0.1 * k;
        if (c.CurveStartY[0][k] > 0) {
            const double Y0 = c.CurveStartY[0][k];
            surface.PSet(c.CurveStartX[0][k], Y0, C);
            const long long from = static_cast<long long>(std::floor(c.CurveStartX[0][k] + 1));
            const long long to = static_cast<long long>(std::floor(c.CurveStartX[1][k]));
            for (long long I = from; I <= to; ++I) {
                const double a = D(I, static_cast<long long>(Y0) - 1), b = D(I, static_cast<long long>(Y0));
                if (b - a == 0) throw CalculationFailure("reference: division by zero");
                surface.LineTo(static_cast<double>(I), Finite((Y0 - 1) + (L - a) / (b - a)), C);
            }
            surface.LineTo(c.CurveStartX[1][k], c.CurveStartY[1][k], C);
        }
        if (c.CurveEndY[0][k] != -1 && c.CurveEndY[0][k] < 250) {
            const double Y1 = c.CurveEndY[0][k];
            surface.PSet(c.CurveEndX[0][k], Y1, C);
            const long long from = static_cast<long long>(std::floor(c.CurveEndX[0][k] + 1));
            const long long to = static_cast<long long>(std::floor(c.CurveEndX[1][k]));
            for (long long I = from; I <= to; ++I) {
                const double a = D(I, static_cast<long long>(Y1)), b = D(I, static_cast<long long>(Y1) + 1);
                if (b - a == 0) throw CalculationFailure("reference: division by zero");
                surface.LineTo(static_cast<double>(I), Finite(Y1 + (L - a) / (b - a)), C);
            }
            surface.LineTo(c.CurveEndX[1][k], c.CurveEndY[1][k], C);
        }
    }

    surface.Line(200, -150, 200, -130, fg);
    surface.LineTo(300, -130, fg);
    surface.LineTo(300, -150, fg);
    if (HasWedge(s.Conditions.WedgeKind)) {
        surface.Line(150, -115, 350, -115, fg);
        surface.LineTo(350, -90, fg);
        surface.LineTo(150, -115, fg);
    }
    surface.SetCurrentXY(300, -30);
    surface.Print(Caption(s.Conditions.FieldWidth, s.Conditions.FieldLength));
    surface.SetCurrentXY(300, -50);
    surface.Print(IsSsdSetup(s.Conditions.Setup) ? "SSD = 100 cm" : "STD = 100 cm");
    surface.SetCurrentXY(300, -70);
    const int w = static_cast<int>(s.Conditions.WedgeKind);
    surface.Print(w == 1   ? "Wedge filter : non"
                  : w == 2 ? "Wedge filter : 30 degree"
                  : w == 3 ? "Wedge filter : 45 degree"
                           : "Wedge filter : 60 degree");
}

void ReferenceDrawPrintedChart(const DoseCalculation& s, PrintTables& t, DrawingSurface& surface) {
    const Grid D{s.DoseGrid};
    Scratch p{s.DepthSteps};
    const OptionalColour none;

    surface.ScaleModeMillimetres();
    surface.ScaleTop(-36);
    surface.ScaleLeft(150);
    surface.Font("Times New Roman", 16);
    surface.DrawWidth(1);
    for (int x = 150; x <= 350; x += 10) surface.Line(x, 0, x, 250, none);
    for (int y = 0; y <= 250; y += 10) surface.Line(150, y, 350, y, none);
    surface.DrawWidth(4);
    surface.Line(250, -30, 250, 250, none);
    for (CurveTable* table : {&t.PrintStartX, &t.PrintStartY, &t.PrintEndX, &t.PrintEndY})
        for (auto& trace : *table) trace.fill(-1);

    for (int k = 1; k <= 20; ++k) {
        const double L = 0.1 * k;
        long long I = 0, J = 0;
        bool found = false;
        for (J = 0; J <= 249 && !found; ++J)
            for (I = 150; I <= 349; ++I)
                if (!(D(I, J) < L)) {
                    found = true;
                    break;
                }
        if (!found) continue;
        --J;
        auto leftX = [&](long long i, long long j) {
            const double a = D(i - 1, j), b = D(i, j);
            return a == b ? static_cast<double>(i) : (i - 1) + (L - a) / (b - a);
        };
        const double x = leftX(I, J);
        p.SegmentStartX = x;
        p.SegmentStartY = J;
        t.PrintStartX[0][k] = x;
        t.PrintStartY[0][k] = J;
        do {
            J = J + 1;
            if (J > 300) break;  // never below the matrix
            I = 150;
            while (I < 350 && D(I, J) < L) I = I + 1;
            if (I == 350) break;
            p.SegmentEndX = leftX(I, J);
            p.SegmentEndY = J;
            surface.Line(p.SegmentStartX, p.SegmentStartY, p.SegmentEndX, p.SegmentEndY, none);
            p.SegmentStartX = p.SegmentEndX;
            p.SegmentStartY = p.SegmentEndY;
            t.PrintEndX[0][k] = p.SegmentEndX;
            t.PrintEndY[0][k] = p.SegmentEndY;
        } while (p.SegmentEndX < 350 && p.SegmentEndY < p.DepthSteps);
    }
    for (int k = 1; k <= 20; ++k) {
        const double L = 0.1 * k;
        long long I = 0, J = 0;
        bool found = false;
        for (J = 0; J <= 249 && !found; ++J)
            for (I = 350; I >= 151; --I)
                if (!(D(I, J) < L)) {
                    found = true;
                    break;
                }
        if (!found) continue;
        --J;
        auto rightX = [&](long long i, long long j) {
            const double a = D(i, j), b = D(i + 1, j);
            return a == b ? static_cast<double>(i) : i + (L - a) / (b - a);
        };
        const double x = rightX(I, J);
        p.SegmentStartX = x;
        p.SegmentStartY = J;
        t.PrintStartX[1][k] = x;
        t.PrintStartY[1][k] = J;
        do {
            J = J + 1;
            if (J > 300) break;
            I = 350;
            while (I > 150 && D(I, J) < L) I = I - 1;
            if (I == 150) break;
            p.SegmentEndX = rightX(I, J);
            p.SegmentEndY = J;
            surface.Line(p.SegmentStartX, p.SegmentStartY, p.SegmentEndX, p.SegmentEndY, none);
            p.SegmentStartX = p.SegmentEndX;
            p.SegmentStartY = p.SegmentEndY;
            t.PrintEndX[1][k] = p.SegmentEndX;
            t.PrintEndY[1][k] = p.SegmentEndY;
        } while (p.SegmentEndX < 350 && p.SegmentEndY < p.DepthSteps);
    }
    auto close = [&](double L, double x0, double y, double x1, double y1, long long upper) {
        surface.PSet(x0, y, none);
        if (!std::isnan(x0) && !std::isnan(x1)) {
            const long long from = static_cast<long long>(std::floor(std::clamp(x0 + 1, 0.0, 500.0)));
            const long long to = static_cast<long long>(std::floor(std::clamp(x1, 0.0, 500.0)));
            for (long long I = from; I <= to; ++I) {
                const double a = D(I, upper), b = D(I, upper + 1);
                if (a == b) continue;
                surface.LineTo(static_cast<double>(I), upper + (L - a) / (b - a), none);
            }
        }
        surface.LineTo(x1, y1, none);
    };
    for (int k = 1; k <= 20; ++k) {
        const double L = 0.1 * k;
        if (t.PrintStartY[0][k] > 0)
            close(L, t.PrintStartX[0][k], t.PrintStartY[0][k], t.PrintStartX[1][k], t.PrintStartY[1][k],
                  static_cast<long long>(t.PrintStartY[0][k]) - 1);
        if (t.PrintEndY[0][k] != -1 && t.PrintEndY[0][k] < 250)
            close(L, t.PrintEndX[0][k], t.PrintEndY[0][k], t.PrintEndX[1][k], t.PrintEndY[1][k],
                  static_cast<long long>(t.PrintEndY[0][k]));
    }
    surface.Circle(250, 10 * s.Conditions.Depth, 1, none);
    if (HasWedge(s.Conditions.WedgeKind)) {
        surface.Line(180, -25, 320, -25, none);
        surface.LineTo(320, -10, none);
        surface.LineTo(180, -25, none);
    }
    surface.SetCurrentXY(160, -12);
    surface.Print("Field size = " + Caption(s.Conditions.FieldWidth, s.Conditions.FieldLength));
    surface.SetCurrentXY(160, -20);
    surface.Print(IsSsdSetup(s.Conditions.Setup) ? "SSD = 100 cm" : "STD = 100 cm");
    const int w = static_cast<int>(s.Conditions.WedgeKind);
    if (w == 2 || w == 3 || w == 4) {
        surface.SetCurrentXY(270, -24);
        surface.Print(w == 2   ? "Wedge filter : 30 degree"
                      : w == 3 ? "Wedge filter : 45 degree"
                               : "Wedge filter : 60 degree");
    }
    surface.EndDoc();
}

}  // namespace corvane::test
