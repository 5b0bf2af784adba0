#include "PackedSurface.h"

namespace corvane::web {

double PackedSurface::text(std::string_view text) {
    texts_.emplace_back(text);
    return static_cast<double>(texts_.size() - 1);
}

void PackedSurface::Line(double x1, double y1, double x2, double y2, OptionalColour c) {
    op(PackedOp::Line);
    numbers_.insert(numbers_.end(), {x1, y1, x2, y2});
    colour(c);
}

void PackedSurface::LineTo(double x2, double y2, OptionalColour c) {
    op(PackedOp::LineTo);
    numbers_.insert(numbers_.end(), {x2, y2});
    colour(c);
}

void PackedSurface::Box(double x1, double y1, double x2, double y2) {
    op(PackedOp::Box);
    numbers_.insert(numbers_.end(), {x1, y1, x2, y2});
}

void PackedSurface::PSet(double x, double y, OptionalColour c) {
    op(PackedOp::PSet);
    numbers_.insert(numbers_.end(), {x, y});
    colour(c);
}

void PackedSurface::Circle(double x, double y, double radius, OptionalColour c) {
    op(PackedOp::Circle);
    numbers_.insert(numbers_.end(), {x, y, radius});
    colour(c);
}

void PackedSurface::SetCurrentXY(double x, double y) {
    op(PackedOp::Move);
    numbers_.insert(numbers_.end(), {x, y});
}

void PackedSurface::ForeColor(int c) {
    op(PackedOp::ForeColor);
    numbers_.push_back(c);
}

void PackedSurface::Print(std::string_view t) {
    op(PackedOp::Print);
    numbers_.push_back(text(t));
}

void PackedSurface::DrawStyle(int style) {
    op(PackedOp::DrawStyle);
    numbers_.push_back(style);
}

void PackedSurface::ScaleTop(double y) {
    op(PackedOp::ScaleTop);
    numbers_.push_back(y);
}

void PackedSurface::ScaleLeft(double x) {
    op(PackedOp::ScaleLeft);
    numbers_.push_back(x);
}

void PackedSurface::Font(std::string_view name, double points) {
    op(PackedOp::Font);
    numbers_.push_back(text(name));
    numbers_.push_back(points);
}

void PackedSurface::DrawWidth(int setting) {
    op(PackedOp::DrawWidth);
    numbers_.push_back(setting);
}

}  // namespace corvane::web
