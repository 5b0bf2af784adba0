// Drawing surfaces that draw nothing: a recorder that writes every operation
// as one line of text, for tests and corvane-chart ops, and a counter for the benchmarks.
#pragma once

#include "chart/DrawingSurface.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Writes one operation per line, each ending in LF:
//   Cls | Line X1 Y1 X2 Y2 C | LineTo X2 Y2 C | Box X1 Y1 X2 Y2 | PSet X Y C
//   Circle X Y R C | Move X Y | ForeColor C | Print TEXT | DrawStyle N
// and the page settings ScaleMode mm | ScaleTop Y | ScaleLeft X |
//   Font NAME POINTS | DrawWidth N | EndDoc.
// C is the colour number, or "-" where the operation names no colour; the
// numbers are written by FormatNumber17 (TextRules.h).
class RecordingSurface final : public DrawingSurface {
public:
    void Cls() override;
    void Line(double x1, double y1, double x2, double y2, OptionalColour colour) override;
    void LineTo(double x2, double y2, OptionalColour colour) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y, OptionalColour colour) override;
    void Circle(double x, double y, double radius, OptionalColour colour) override;
    void SetCurrentXY(double x, double y) override;
    void ForeColor(int colour) override;
    void Print(std::string_view text) override;
    void DrawStyle(int style) override;

    void ScaleModeMillimetres() override;
    void ScaleTop(double y) override;
    void ScaleLeft(double x) override;
    void Font(std::string_view name, double points) override;
    void DrawWidth(int setting) override;
    void EndDoc() override;

    // Everything recorded so far, every line ending in LF.
    const std::string& text() const { return text_; }
    // The same, split into lines without their LF.
    std::vector<std::string> lines() const;
    std::size_t operationCount() const { return count_; }
    void clear() {
        text_.clear();
        count_ = 0;
    }

private:
    void begin(std::string_view name);
    void number(double value);
    void colour(OptionalColour colour);
    void end();

    std::string text_;
    std::size_t count_ = 0;
};

// Counts the operations and keeps nothing else; for the benchmarks, so that
// they measure the tracing and not the text formatting.
class CountingSurface final : public DrawingSurface {
public:
    void Cls() override { ++count; }
    void Line(double, double, double, double, OptionalColour) override { ++count; }
    void LineTo(double, double, OptionalColour) override { ++count; }
    void Box(double, double, double, double) override { ++count; }
    void PSet(double, double, OptionalColour) override { ++count; }
    void Circle(double, double, double, OptionalColour) override { ++count; }
    void SetCurrentXY(double, double) override { ++count; }
    void ForeColor(int) override { ++count; }
    void Print(std::string_view) override { ++count; }
    void DrawStyle(int) override { ++count; }
    void ScaleModeMillimetres() override { ++count; }
    void ScaleTop(double) override { ++count; }
    void ScaleLeft(double) override { ++count; }
    void Font(std::string_view, double) override { ++count; }
    void DrawWidth(int) override { ++count; }
    void EndDoc() override { ++count; }

    std::size_t count = 0;
};

}  // namespace corvane
