#include "chart/RecordingSurface.h"

#include "chart/TextRules.h"

namespace corvane {

void RecordingSurface::begin(std::string_view name) {
    text_ += name;
    ++count_;
}

void RecordingSurface::number(double value) {
    text_ += ' ';
    text_ += FormatNumber17(value);
}

void RecordingSurface::colour(OptionalColour colour) {
    if (colour) {
        text_ += ' ';
        text_ += std::to_string(*colour);
    } else {
        text_ += " -";
    }
}

void RecordingSurface::end() { text_ += '\n'; }

void RecordingSurface::Cls() {
    begin("Cls");
    end();
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, OptionalColour c) {
    begin("Line");
    number(x1);
    number(y1);
    number(x2);
    number(y2);
    colour(c);
    end();
}

void RecordingSurface::LineTo(double x2, double y2, OptionalColour c) {
    begin("LineTo");
    number(x2);
    number(y2);
    colour(c);
    end();
}

void RecordingSurface::Box(double x1, double y1, double x2, double y2) {
    begin("Box");
    number(x1);
    number(y1);
    number(x2);
    number(y2);
    end();
}

void RecordingSurface::PSet(double x, double y, OptionalColour c) {
    begin("PSet");
    number(x);
    number(y);
    colour(c);
    end();
}

void RecordingSurface::Circle(double x, double y, double radius, OptionalColour c) {
    begin("Circle");
    number(x);
    number(y);
    number(radius);
    colour(c);
    end();
}

void RecordingSurface::SetCurrentXY(double x, double y) {
    begin("Move");
    number(x);
    number(y);
    end();
}

void RecordingSurface::ForeColor(int c) {
    begin("ForeColor");
    colour(c);
    end();
}

void RecordingSurface::Print(std::string_view text) {
    begin("Print ");
    text_ += text;
    end();
}

void RecordingSurface::DrawStyle(int style) {
    begin("DrawStyle ");
    text_ += std::to_string(style);
    end();
}

void RecordingSurface::ScaleModeMillimetres() {
    begin("ScaleMode mm");
    end();
}

void RecordingSurface::ScaleTop(double y) {
    begin("ScaleTop");
    number(y);
    end();
}

void RecordingSurface::ScaleLeft(double x) {
    begin("ScaleLeft");
    number(x);
    end();
}

void RecordingSurface::Font(std::string_view name, double points) {
    begin("Font ");
    text_ += name;
    number(points);
    end();
}

void RecordingSurface::DrawWidth(int setting) {
    begin("DrawWidth ");
    text_ += std::to_string(setting);
    end();
}

void RecordingSurface::EndDoc() {
    begin("EndDoc");
    end();
}

std::vector<std::string> RecordingSurface::lines() const {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text_.size()) {
        const std::size_t lf = text_.find('\n', start);
        if (lf == std::string::npos) {
            result.push_back(text_.substr(start));
            break;
        }
        result.push_back(text_.substr(start, lf - start));
        start = lf + 1;
    }
    return result;
}

}  // namespace corvane
