#include "chart/IsodoseCurves.h"

#include "chart/CurveTracing.h"

namespace corvane {

namespace {

using chart_detail::LevelColour;
using chart_detail::LevelCount;

// Joins what the tracer draws into polylines of the level it is told: a
// line that starts where the last one ended goes on with it, a point starts
// a new one, and a line to a point goes on from the current position.
class PolylineCollector final : public DrawingSurface {
public:
    explicit PolylineCollector(std::array<IsodoseLevelCurves, LevelCount>& levels) : levels_(levels) {}

    void SetLevel(int k) {
        level_ = &levels_[k - 1];
        open_ = nullptr;
    }

    void Line(double x1, double y1, double x2, double y2, OptionalColour) override {
        if (open_ == nullptr || !(open_->back() == ChartPoint{x1, y1})) Start({x1, y1});
        open_->push_back({x2, y2});
    }
    void LineTo(double x2, double y2, OptionalColour) override {
        if (open_ == nullptr) Start(current_);
        open_->push_back({x2, y2});
        current_ = {x2, y2};
    }
    void PSet(double x, double y, OptionalColour) override {
        Start({x, y});
        current_ = {x, y};
    }

    // The tracer draws nothing else.
    void Cls() override {}
    void Box(double, double, double, double) override {}
    void Circle(double, double, double, OptionalColour) override {}
    void SetCurrentXY(double x, double y) override { current_ = {x, y}; }
    void ForeColor(int) override {}
    void Print(std::string_view) override {}
    void DrawStyle(int) override {}
    void ScaleModeMillimetres() override {}
    void ScaleTop(double) override {}
    void ScaleLeft(double) override {}
    void Font(std::string_view, double) override {}
    void DrawWidth(int) override {}
    void EndDoc() override {}

private:
    void Start(ChartPoint first) {
        open_ = &level_->polylines.emplace_back();
        open_->push_back(first);
    }

    std::array<IsodoseLevelCurves, LevelCount>& levels_;
    IsodoseLevelCurves* level_ = nullptr;
    std::vector<ChartPoint>* open_ = nullptr;
    ChartPoint current_{0, 0};
};

}  // namespace

std::array<IsodoseLevelCurves, 20> TraceIsodoseCurves(const DoseCalculation& result) {
    static_assert(LevelCount == 20);
    std::array<IsodoseLevelCurves, LevelCount> levels;
    for (int k = 1; k <= LevelCount; ++k) levels[k - 1] = {k, LevelColour(k), {}};

    PolylineCollector collector(levels);
    chart_detail::CurveTracer tracer(result, collector, chart_detail::ScreenBounds,
                                     chart_detail::TraceMode::Screen);
    // DrawChartCurves's three passes, in its order, so that a chart that
    // fails fails here too.
    for (int k = 1; k <= LevelCount; ++k) {
        collector.SetLevel(k);
        tracer.CurveColour = LevelColour(k);
        tracer.TraceLeftFlank(k);
    }
    for (int k = 1; k <= LevelCount; ++k) {
        collector.SetLevel(k);
        tracer.CurveColour = LevelColour(k);
        tracer.TraceRightFlank(k);
    }
    for (int k = 1; k <= LevelCount; ++k) {
        collector.SetLevel(k);
        tracer.CurveColour = LevelColour(k);
        tracer.CloseCurve(k);
    }
    return levels;
}

}  // namespace corvane
