// The abstract surface the chart is drawn on: the chart picture on screen,
// an image file, the printer page, or a recorder in the tests.
#pragma once

#include <optional>
#include <string_view>

namespace corvane {

// Colour numbers are those of Palette.h. An absent colour means the
// surface's foreground colour.
using OptionalColour = std::optional<int>;

// The line styles of DrawingSurface::DrawStyle.
inline constexpr int LineSolid = 0;
inline constexpr int LineDashed = 1;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // --- The picture operations -------------------------------------------
    // Erase to the background colour; the current position goes to the top-left corner.
    virtual void Cls() = 0;
    // From (x1, y1) to (x2, y2); the current position becomes (x2, y2).
    virtual void Line(double x1, double y1, double x2, double y2, OptionalColour colour) = 0;
    // From the current position to (x2, y2); the current position becomes (x2, y2).
    virtual void LineTo(double x2, double y2, OptionalColour colour) = 0;
    // Outline of the rectangle in the foreground colour.
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
    // Set one point; the current position becomes (x, y).
    virtual void PSet(double x, double y, OptionalColour colour) = 0;
    // Outline of a circle; the radius is in horizontal units.
    virtual void Circle(double x, double y, double radius, OptionalColour colour) = 0;
    // CurrentX and CurrentY, set together.
    virtual void SetCurrentXY(double x, double y) = 0;
    virtual void ForeColor(int colour) = 0;
    // Writes UTF-8 text with its top-left corner at the current position,
    // then moves the current position to the start of the next line.
    virtual void Print(std::string_view text) = 0;
    // The style of the lines from here on: LineSolid (as every surface
    // starts) or LineDashed. The designed charts never change it; the
    // reference curves laid beneath the screen chart are dashed.
    virtual void DrawStyle(int style) = 0;

    // --- The page settings of the printer ---------------------------------
    // Units become millimetres.
    virtual void ScaleModeMillimetres() = 0;
    // The user coordinate at the top and left edge of the drawable area.
    virtual void ScaleTop(double y) = 0;
    virtual void ScaleLeft(double x) = 0;
    virtual void Font(std::string_view name, double points) = 0;
    // The line setting: 1 for the grid, 4 for the axis and the curves.
    virtual void DrawWidth(int setting) = 0;
    // Finish the page and hand the document over.
    virtual void EndDoc() = 0;
};

}  // namespace corvane
