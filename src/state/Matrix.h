// A fixed-size matrix of doubles indexed (column, row) like the dose grids.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace corvane {

// Stored row by row (all columns of row 0 first), so that a scan across one
// depth row, the way the curve tracing reads it, walks memory in order.
template <int Columns, int Rows>
class Matrix {
public:
    static constexpr int ColumnCount = Columns;
    static constexpr int RowCount = Rows;

    Matrix() : cells_(static_cast<std::size_t>(Columns) * Rows, 0.0) {}

    double& operator()(int column, int row) { return cells_[index(column, row)]; }
    double operator()(int column, int row) const { return cells_[index(column, row)]; }

    double* row(int r) { return cells_.data() + static_cast<std::size_t>(r) * Columns; }
    const double* row(int r) const { return cells_.data() + static_cast<std::size_t>(r) * Columns; }

    void fill(double value) { std::fill(cells_.begin(), cells_.end(), value); }

    friend bool operator==(const Matrix&, const Matrix&) = default;

private:
    static std::size_t index(int column, int row) {
        return static_cast<std::size_t>(row) * Columns + static_cast<std::size_t>(column);
    }
    std::vector<double> cells_;
};

} // namespace corvane
