// The drawing surface over any QPainter: the chart window's picture, the
// exported images and the printer page are all drawn by this one class.
#pragma once

#include "chart/DrawingSurface.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>

#include <functional>

class QPainter;

namespace corvane {

class PainterSurface final : public DrawingSurface {
public:
    // The chart picture: user x -80..581 and y -150..300 (y down) onto the
    // painter's logical 997 x 685 pixels. Lines are 1 pixel and snapped to
    // pixel centres, so that grid lines stay crisp when antialiased; the
    // font is Times New Roman 15.75 pt at 96 dpi.
    static PainterSurface ChartPicture(QPainter& painter);

    // A printer page: the painter's origin is the top-left corner of the
    // drawable area and its logical unit one device dot. Units are twips
    // until ScaleModeMillimetres; line setting n draws n x 0.1 mm.
    static PainterSurface Page(QPainter& painter);

    PainterSurface(PainterSurface&&) noexcept = default;
    PainterSurface& operator=(PainterSurface&&) = delete;
    ~PainterSurface() override;

    void Cls() override;
    void Line(double x1, double y1, double x2, double y2, OptionalColour colour) override;
    void LineTo(double x2, double y2, OptionalColour colour) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void PSet(double x, double y, OptionalColour colour) override;
    void Circle(double x, double y, double radius, OptionalColour colour) override;
    void SetCurrentXY(double x, double y) override;
    void ForeColor(int colour) override;
    // After the text, the current position goes down one line and back to
    // the left edge (ScaleLeft), as the platform's Print does.
    void Print(std::string_view text) override;
    // Dashed lines are 4 pen widths on, 3 off, the pattern running on along
    // a joined polyline.
    void DrawStyle(int style) override;

    void ScaleModeMillimetres() override;
    void ScaleTop(double y) override;
    void ScaleLeft(double x) override;
    void Font(std::string_view name, double points) override;
    void DrawWidth(int setting) override;
    // Ends the painter, which finishes the page and hands the document to
    // the printer or writer; then calls the handler, if one is set.
    void EndDoc() override;

    // Draws what is still held back (joined segments are drawn as one
    // polyline). Every other operation and the destructor flush too.
    void Flush();
    void SetEndDocHandler(std::function<void()> handler) { endDocHandler_ = std::move(handler); }

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    int ForeColour() const { return foreColour_; }
    // The height of one line of the current font, in user units.
    double LineHeight() const;
    // Where a user point lands in the painter's logical coordinates.
    QPointF Map(double x, double y) const;

private:
    enum class Kind { ChartPicture, Page };
    PainterSurface(QPainter& painter, Kind kind);

    double DotsPerInchX() const;
    double DotsPerInchY() const;
    void SetUnitInches(double inches);
    QPointF Snap(QPointF p) const;
    QColor ColourOf(OptionalColour colour) const;
    double PenWidth() const;
    bool Drawable() const;
    void Segment(double x1, double y1, double x2, double y2, OptionalColour colour);
    void ApplyPen(const QColor& colour);

    QPainter* painter_;
    Kind kind_;
    // Logical pixels per user unit, and the user coordinates of the
    // top-left corner (of the picture, or of the page's drawable area).
    double pixelsPerUnitX_ = 1;
    double pixelsPerUnitY_ = 1;
    double left_ = 0;
    double top_ = 0;
    double currentX_ = 0;
    double currentY_ = 0;
    int foreColour_ = 0;
    int drawWidth_ = 1;
    int lineStyle_ = LineSolid;
    QFont font_;
    // The polyline being joined: consecutive segments of one colour.
    QPolygonF pending_;
    QColor pendingColour_;
    std::function<void()> endDocHandler_;
};

}  // namespace corvane
