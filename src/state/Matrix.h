// A fixed-size matrix of doubles indexed (column, row) like the dose grids.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

#ifdef CORVANE_CHECKED_INDEX
#include <cstdio>
#include <cstdlib>
#endif

namespace corvane {

// Asks a Matrix to leave its cells unwritten, for a computation that writes
// every one of them anyway: a dose grid is 1.2 MB, and zeroing it first would
// cost as much as filling it.
struct Uninitialised {};
inline constexpr Uninitialised LeaveUninitialised{};

// Stored row by row (all columns of row 0 first), so that a scan across one
// depth row, the way the curve tracing reads it, walks memory in order.
// Copying copies the cells; moving leaves the source without cells, fit only
// to be assigned to or destroyed.
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
    static constexpr std::size_t CellCount = static_cast<std::size_t>(Columns) * Rows;

    // Every cell 0.
    Matrix() : cells_(new double[CellCount]()) {}
    explicit Matrix(Uninitialised) : cells_(new double[CellCount]) {}

    Matrix(const Matrix& other) : cells_(new double[CellCount]) { std::copy_n(other.cells_.get(), CellCount, cells_.get()); }
    Matrix& operator=(const Matrix& other) {
        if (this == &other) return *this;
        if (!cells_) cells_.reset(new double[CellCount]);
        std::copy_n(other.cells_.get(), CellCount, cells_.get());
        return *this;
    }
    Matrix(Matrix&&) noexcept = default;
    Matrix& operator=(Matrix&&) noexcept = default;
    ~Matrix() = default;

    double& operator()(int column, int row) { return cells_[index(column, row)]; }
    double operator()(int column, int row) const { return cells_[index(column, row)]; }

    double* row(int r) { return cells_.get() + rowOffset(r); }
    const double* row(int r) const { return cells_.get() + rowOffset(r); }

    void fill(double value) { std::fill_n(cells_.get(), CellCount, value); }

    friend bool operator==(const Matrix& a, const Matrix& b) {
        return std::equal(a.cells_.get(), a.cells_.get() + CellCount, b.cells_.get());
    }

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
    std::unique_ptr<double[]> cells_;
};

}  // namespace corvane
