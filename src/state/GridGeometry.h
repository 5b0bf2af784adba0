// The dose grid's dimensions: one cell per millimetre of the plotted plane,
// in the chart's coordinates (x = lateral index I, y = depth index J).
#pragma once

namespace corvane {

inline constexpr int GridColumns = 501;                  // lateral index I = 0..500
inline constexpr int GridRows = 301;                     // depth index J = 0..300
inline constexpr int AxisColumn = 250;                   // the beam's central axis
inline constexpr int LastChartColumn = GridColumns - 1;  // 500, the chart's right edge
inline constexpr int LastComputedRow = 250;              // 25 cm; rows below are never computed
inline constexpr int HalfGridColumns = AxisColumn + 1;   // i = 0..250 from the axis

} // namespace corvane
