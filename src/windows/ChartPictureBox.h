// Picture1 of the chart window: the persistent chart image with the red
// cross-hair laid over it, reporting mouse moves in chart coordinates.
#pragma once

#include "chart/DrawChart.h"
#include "dose/DoseCalculation.h"
#include "qtsurface/ChartPicture.h"
#include "state/Conditions.h"

#include <QImage>
#include <QLineF>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace corvane {

class DrawingSurface;

// A line object over the picture, in chart coordinates. It is painted above
// the image and never drawn into it.
struct OverlayLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = false;
};

class ChartPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit ChartPictureBox(QWidget* parent = nullptr);

    // The chart image itself; it keeps what was drawn until it is redrawn.
    const QImage& image() const { return image_; }

    // Draws the chart of `result` with `mesh` into the image, with the
    // reference beneath while one is held, and keeps both for redrawing.
    // Throws what the drawing throws; whatever was drawn before that stays
    // in the image, and the chart drawn before stays the one kept.
    void drawChart(std::shared_ptr<const DoseCalculation> result, ChartMesh mesh);
    // Draws the kept chart again, as after a change of the reference.
    void redrawChart();
    // Whether the image holds a whole chart: false from the start of a
    // drawing until it has finished.
    bool hasChart() const { return hasChart_; }
    // The result of the chart in the image, empty before the first. The
    // state's conditions may have moved on since: the conditions window's
    // options set them at once.
    const std::shared_ptr<const DoseCalculation>& drawnResult() const { return drawn_; }
    const IrradiationConditions& drawnConditions() const;

    // What the picture shows, drawn onto any surface: DrawChart, or while a
    // reference is held DrawChartWithReference. Draws nothing before the
    // first chart.
    void drawShownChart(DrawingSurface& surface) const;

    // A chart held for comparison, drawn beneath the current one with its
    // caption lines until it is cleared: the result itself, shared, never a
    // copy. Neither call redraws the image.
    void holdReference(std::shared_ptr<const DoseCalculation> reference, std::vector<std::string> caption);
    void clearReference();
    const DoseCalculation* reference() const { return reference_.get(); }

    // Line1 is the horizontal line across the chart area, Line2 the vertical
    // line down it.
    const OverlayLine& line1() const { return line1_; }
    const OverlayLine& line2() const { return line2_; }
    void setLine1Y(double y);
    void setLine2X(double x);
    void setCrossHairVisible(bool visible);

signals:
    // Every mouse move over the picture, in chart units (single precision).
    void mouseMovedTo(float x, float y);
    // A chart was drawn whole into the image.
    void chartDrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // A click on the picture is the picture's own, never the window's.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void drawChartOf(const DoseCalculation& result, ChartMesh mesh, DrawingSurface& surface) const;
    static QLineF pixelLineOf(const OverlayLine& line);
    QRect widgetRectOf(const OverlayLine& line) const;
    void moveLine(OverlayLine& line, const OverlayLine& moved);

    QImage image_;
    bool hasChart_ = false;
    std::shared_ptr<const DoseCalculation> drawn_;
    ChartMesh drawnMesh_ = ChartMesh::FiveCm;
    std::shared_ptr<const DoseCalculation> reference_;
    std::vector<std::string> referenceCaption_;
    OverlayLine line1_{ChartAreaLeft, ChartAreaTop, ChartAreaRight, ChartAreaTop, false};
    OverlayLine line2_{ChartAreaLeft, ChartAreaTop, ChartAreaLeft, ChartAreaBottom, false};
};

}  // namespace corvane
