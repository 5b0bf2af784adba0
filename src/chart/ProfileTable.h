// The profiles of the dose grid as lines of text: the one way their numbers
// are written, for `corvane-chart profile`, the profiles window's CSV file
// and its "Copy values".
#pragma once

#include "dose/DoseCalculation.h"

#include <string>

namespace corvane {

enum class ProfileAxis { Depth, Lateral };

// One profile: down the column at `at` mm off axis (-250..250), positions
// 0..250 mm of depth; or across the row at depth `at` mm (0..250),
// positions -250..250 mm.
struct ProfileLine {
    ProfileAxis axis = ProfileAxis::Depth;
    int at = 0;
};

// How a table of profiles is laid out. The default is the table of
// `corvane-chart profile`: the header "position_mm,dose_percent", then one
// line a millimetre. `named` puts the columns "profile" (depth or lateral)
// and "at_mm" first, so that one table holds several profiles;
// `withReference` adds "reference_dose_percent" last.
struct ProfileTableLayout {
    char separator = ',';
    bool named = false;
    bool withReference = false;
};

// The header line, with its newline.
std::string ProfileTableHeader(const ProfileTableLayout& layout);

// Appends one line a point of `line`: its position in whole mm, then
// 100 x the cell of `grid` (and of `reference` where the layout has its
// column) with FormatNumber17. Every cell of the line is written, also the
// 0 of those outside the computed region. A line outside the chart adds
// nothing.
void AppendProfileRows(std::string& text, const ProfileTableLayout& layout, const ProfileLine& line,
                       const DoseMatrix& grid, const DoseMatrix* reference = nullptr);

// Both profiles through the cell (column, row): the header, the depth dose
// down the column, then the lateral profile across the row; named, with the
// reference's column when `reference` is given.
std::string TwoProfilesTable(char separator, int column, int row, const DoseMatrix& grid,
                             const DoseMatrix* reference);

}  // namespace corvane
