// A fixed-size matrix of doubles indexed (column, row) like the dose grids.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#ifdef CORVANE_CHECKED_INDEX
#include <cstdio>
#include <cstdlib>
#endif

namespace corvane {

// Stored row by row (all columns of row 0 first), so that a scan across one
// depth row, the way the curve tracing reads it, walks memory in order.
//
// A column past the end of a row still lands inside the one flat array, where
// AddressSanitizer cannot see it; the sanitizer and fuzz builds define
// CORVANE_CHECKED_INDEX, and then every index is checked and a bad one aborts
// with its values. The normal build checks nothing.
template <int Columns, int Rows>
class Matrix {
public:
    static constexpr int ColumnCount = Columns;
    static constexpr int RowCount = Rows;

    Matrix() : cells_(static_cast<std::size_t>(Columns) * Rows, 0.0) {}

    double& operator()(int column, int row) { return cells_[index(column, row)]; }
    double operator()(int column, int row) const { return cells_[index(column, row)]; }

    double* row(int r) { return cells_.data() + rowOffset(r); }
    const double* row(int r) const { return cells_.data() + rowOffset(r); }

    void fill(double value) { std::fill(cells_.begin(), cells_.end(), value); }

    friend bool operator==(const Matrix&, const Matrix&) = default;

private:
    static std::size_t index(int column, int row) {
#ifdef CORVANE_CHECKED_INDEX
        if (column < 0 || column >= Columns || row < 0 || row >= Rows) outOfRange(column, row);
#endif
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }

    static std::size_t rowOffset(int row) {
#ifdef CORVANE_CHECKED_INDEX
        if (row < 0 || row >= Rows) rowOutOfRange(row);
#endif
        return static_cast<std::size_t>(row) * Columns;
    }

#ifdef CORVANE_CHECKED_INDEX
    [[noreturn]] static void outOfRange(int column, int row) {
        std::fprintf(stderr,
                     "Matrix<%d, %d>: index (column %d, row %d) is outside columns 0..%d, rows 0..%d\n",
                     Columns, Rows, column, row, Columns - 1, Rows - 1);
        std::abort();
    }
    [[noreturn]] static void rowOutOfRange(int row) {
        std::fprintf(stderr, "Matrix<%d, %d>: row %d is outside rows 0..%d\n", Columns, Rows, row, Rows - 1);
        std::abort();
    }
#endif
    std::vector<double> cells_;
};

}  // namespace corvane
