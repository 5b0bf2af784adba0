// The isodose curves the chart traces, as polylines of chart millimetres.
#include "Bindings.h"
#include "CalculationInput.h"

#include "chart/IsodoseCurves.h"
#include "chart/Palette.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"

#include <pybind11/stl.h>

#include <cstdio>

namespace py = pybind11;

namespace corvane::python {

namespace {

std::string HexColour(int number) {
    const Rgb rgb = PaletteColour(number);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

py::array PolylineArray(const std::vector<ChartPoint>& points) {
    static_assert(sizeof(ChartPoint) == 2 * sizeof(double));
    const auto rows = static_cast<py::ssize_t>(points.size());
    return ReadOnly(
        py::array_t<double>({rows, py::ssize_t{2}}, reinterpret_cast<const double*>(points.data())));
}

}  // namespace

void BindCurves(py::module_& module) {
    module.def(
        "isodose_curves",
        [](const LoadedBeamData& beam, bool ssd, double depth, double width, double length,
           std::optional<int> wedge) {
            const IrradiationConditions conditions = ConditionsFrom(ssd, depth, width, length, wedge);
            std::array<IsodoseLevelCurves, 20> levels;
            {
                py::gil_scoped_release unlocked;
                levels = TraceIsodoseCurves(ComputeDoseGrid(beam.data, conditions));
            }
            py::list result;
            for (const IsodoseLevelCurves& level : levels) {
                py::list polylines;
                for (const std::vector<ChartPoint>& points : level.polylines)
                    polylines.append(PolylineArray(points));
                result.append(
                    py::make_tuple(10 * level.level, HexColour(level.colour), py::tuple(polylines)));
            }
            return result;
        },
        py::arg("beam"), py::arg("ssd"), py::arg("depth"), py::arg("width"), py::arg("length"),
        py::arg("wedge"));
}

}  // namespace corvane::python
