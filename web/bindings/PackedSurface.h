// A drawing surface that keeps every operation in a compact form for the
// page's JavaScript surfaces: one array of numbers, each operation its code
// followed by its fixed number of arguments, and the printed texts apart.
#pragma once

#include "chart/DrawingSurface.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::web {

// The operation codes, and after each the numbers that follow it. These are
// the codes of web/src/packed-ops.js; a colour is its number, or -1 where the
// operation names none (the foreground colour).
enum class PackedOp : int {
    Cls = 0,            // -
    Line = 1,           // x1 y1 x2 y2 colour
    LineTo = 2,         // x2 y2 colour
    Box = 3,            // x1 y1 x2 y2
    PSet = 4,           // x y colour
    Circle = 5,         // x y radius colour
    Move = 6,           // x y
    ForeColor = 7,      // colour
    Print = 8,          // index into texts
    DrawStyle = 9,      // style
    ScaleModeMm = 10,   // -
    ScaleTop = 11,      // y
    ScaleLeft = 12,     // x
    Font = 13,          // index into texts (the name), points
    DrawWidth = 14,     // setting
    EndDoc = 15,        // -
};

class PackedSurface final : public DrawingSurface {
public:
    void Cls() override { op(PackedOp::Cls); }
    void Line(double x1, double y1, double x2, double y2, OptionalColour colour) override;
    void LineTo(double x2, double y2, OptionalColour colour) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y, OptionalColour colour) override;
    void Circle(double x, double y, double radius, OptionalColour colour) override;
    void SetCurrentXY(double x, double y) override;
    void ForeColor(int colour) override;
    void Print(std::string_view text) override;
    void DrawStyle(int style) override;

    void ScaleModeMillimetres() override { op(PackedOp::ScaleModeMm); }
    void ScaleTop(double y) override;
    void ScaleLeft(double x) override;
    void Font(std::string_view name, double points) override;
    void DrawWidth(int setting) override;
    void EndDoc() override { op(PackedOp::EndDoc); }

    const std::vector<double>& numbers() const { return numbers_; }
    const std::vector<std::string>& texts() const { return texts_; }

private:
    void op(PackedOp code) { numbers_.push_back(static_cast<double>(code)); }
    void colour(OptionalColour colour) { numbers_.push_back(colour ? *colour : -1); }
    double text(std::string_view text);

    std::vector<double> numbers_;
    std::vector<std::string> texts_;
};

}  // namespace corvane::web
