#include "chart/ProfileTable.h"

#include "chart/TextRules.h"

namespace corvane {

namespace {

constexpr double Percent = 100;

const char* AxisName(ProfileAxis axis) { return axis == ProfileAxis::Depth ? "depth" : "lateral"; }

}  // namespace

std::string ProfileTableHeader(const ProfileTableLayout& layout) {
    std::string header;
    auto column = [&](const char* name) {
        if (!header.empty()) header += layout.separator;
        header += name;
    };
    if (layout.named) {
        column("profile");
        column("at_mm");
    }
    column("position_mm");
    column("dose_percent");
    if (layout.withReference) column("reference_dose_percent");
    return header + '\n';
}

void AppendProfileRows(std::string& text, const ProfileTableLayout& layout, const ProfileLine& line,
                       const DoseMatrix& grid, const DoseMatrix* reference) {
    auto row = [&](int position, int column, int J) {
        if (layout.named) {
            text += AxisName(line.axis);
            text += layout.separator;
            text += FormatWholeNumber(line.at);
            text += layout.separator;
        }
        text += FormatWholeNumber(position);
        text += layout.separator;
        text += FormatNumber17(Percent * grid(column, J));
        if (layout.withReference) {
            text += layout.separator;
            if (reference != nullptr) text += FormatNumber17(Percent * (*reference)(column, J));
        }
        text += '\n';
    };
    if (line.axis == ProfileAxis::Depth) {
        if (line.at < -AxisColumn || line.at > LastChartColumn - AxisColumn) return;
        for (int J = 0; J <= LastComputedRow; ++J) row(J, AxisColumn + line.at, J);
    } else {
        if (line.at < 0 || line.at > LastComputedRow) return;
        for (int I = 0; I <= LastChartColumn; ++I) row(I - AxisColumn, I, line.at);
    }
}

std::string TwoProfilesTable(char separator, int column, int row, const DoseMatrix& grid,
                             const DoseMatrix* reference) {
    const ProfileTableLayout layout{separator, true, reference != nullptr};
    std::string text = ProfileTableHeader(layout);
    AppendProfileRows(text, layout, {ProfileAxis::Depth, column - AxisColumn}, grid, reference);
    AppendProfileRows(text, layout, {ProfileAxis::Lateral, row}, grid, reference);
    return text;
}

}  // namespace corvane
