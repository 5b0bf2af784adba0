// The dose grid as a numpy array that views the calculation's own matrix,
// the entry texts read as the conditions window reads them, and the
// profiles and their figures.
#include "Bindings.h"
#include "CalculationInput.h"
#include "PythonErrors.h"

#include "chart/ProfileTable.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "dose/ProfileFigures.h"
#include "state/BeamDataLoader.h"
#include "state/Conditions.h"

#include <pybind11/stl.h>

#include <charconv>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace py = pybind11;

namespace corvane::python {

namespace {

// corvane.DoseCalculation: what a grid from dose_grid views (grid.base). It
// holds the core's result shared and immutable, as every front end does.
struct SharedCalculation {
    std::shared_ptr<const DoseCalculation> result;
};

constexpr py::ssize_t CellBytes = sizeof(double);

// The grid, row J = depth in mm, column I = lateral index: the layout the
// matrix keeps in memory, so the array is a view and no cell is copied. The
// calculation object is its base and keeps the matrix alive.
py::array GridView(const py::object& calculation, const DoseCalculation& result) {
    return ReadOnly(py::array_t<double>({GridRows, GridColumns}, {GridColumns * CellBytes, CellBytes},
                                        result.DoseGrid.row(0), calculation));
}

// The calculation behind `object`: a DoseCalculation, or the grid array that
// dose_grid returned (not a slice or another view of it, which reads other
// cells). Null for anything else.
const DoseCalculation* OwnCalculation(const py::handle& object) {
    if (py::isinstance<SharedCalculation>(object))
        return object.cast<const SharedCalculation&>().result.get();
    if (!py::isinstance<py::array>(object)) return nullptr;
    const auto array = py::reinterpret_borrow<py::array>(object);
    const py::handle base = array.base();
    if (!base || !py::isinstance<SharedCalculation>(base)) return nullptr;
    const DoseCalculation* result = base.cast<const SharedCalculation&>().result.get();
    const bool whole = array.data() == result->DoseGrid.row(0) && array.ndim() == 2 &&
                       array.shape(0) == GridRows && array.shape(1) == GridColumns &&
                       array.strides(0) == GridColumns * CellBytes && array.strides(1) == CellBytes &&
                       array.dtype().is(py::dtype::of<double>());
    return whole ? result : nullptr;
}

// Any array of 301 x 501 numbers, copied into a matrix the core can read.
std::unique_ptr<DoseMatrix> MatrixFrom(const py::handle& object) {
    using Numbers = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const auto notNumbers = [] {
        return py::type_error("grid must be an array of numbers, like the one dose_grid returns");
    };
    // numpy would make an array of None or of a text too.
    if (!py::isinstance<py::array>(object) &&
        (!py::isinstance<py::sequence>(object) || py::isinstance<py::str>(object) ||
         py::isinstance<py::bytes>(object)))
        throw notNumbers();
    const Numbers array = Numbers::ensure(object);
    if (!array) throw notNumbers();
    if (array.ndim() != 2 || array.shape(0) != GridRows || array.shape(1) != GridColumns)
        throw py::value_error("grid must have the shape (301, 501) of dose_grid's arrays");
    auto matrix = std::make_unique<DoseMatrix>();
    for (int J = 0; J < GridRows; ++J)
        std::memcpy(matrix->row(J), array.data(J, 0), GridColumns * sizeof(double));
    return matrix;
}

// `at` in the range the tool's --at takes, worded as the tool words it.
ProfileLine Line(bool depthAxis, const py::int_& at) {
    int overflow = 0;
    const long long value = PyLong_AsLongLongAndOverflow(at.ptr(), &overflow);
    if (value == -1 && PyErr_Occurred()) throw py::error_already_set();
    const long long lowest = depthAxis ? -AxisColumn : 0;
    const long long highest = depthAxis ? LastChartColumn - AxisColumn : LastComputedRow;
    if (overflow != 0 || value < lowest || value > highest)
        throw py::value_error(std::string(depthAxis
                                              ? "at takes the off-axis position in whole mm from -250 to 250"
                                              : "at takes the depth in whole mm from 0 to 250") +
                              ", not " + std::string(py::repr(at)));
    return {depthAxis ? ProfileAxis::Depth : ProfileAxis::Lateral, static_cast<int>(value)};
}

// The profile as `corvane-chart profile` writes it, read back: the core's
// one writer of profile rows decides the positions and the numbers, and
// %.17g reads back to the same double.
py::tuple Profile(const DoseMatrix& grid, const ProfileLine& line) {
    std::string text;
    AppendProfileRows(text, ProfileTableLayout{}, line, grid);
    std::vector<long long> positions;
    std::vector<double> doses;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (at < end) {
        long long position = 0;
        double dose = 0;
        auto [comma, positionError] = std::from_chars(at, end, position);
        if (positionError != std::errc() || comma == end || *comma != ',')
            throw std::logic_error("profile: a row that is not \"position,dose\"");
        auto [newline, doseError] = std::from_chars(comma + 1, end, dose);
        if (doseError != std::errc() || newline == end || *newline != '\n')
            throw std::logic_error("profile: a row that is not \"position,dose\"");
        positions.push_back(position);
        doses.push_back(dose);
        at = newline + 1;
    }
    return py::make_tuple(
        ReadOnly(py::array_t<long long>(static_cast<py::ssize_t>(positions.size()), positions.data())),
        ReadOnly(py::array_t<double>(static_cast<py::ssize_t>(doses.size()), doses.data())));
}

py::tuple Figures(const DoseCalculation& result, const ProfileLine& line) {
    const ProfileGrid grid = ProfileGridOf(result);
    if (line.axis == ProfileAxis::Depth) {
        const DepthDoseFigures f = DepthDoseFiguresOf(grid, AxisColumn + line.at);
        return py::make_tuple(f.depthOfMaximumMm, f.dose100, f.dose200, f.ratio200to100, f.dose100OfMaximum,
                              f.dose200OfMaximum);
    }
    const LateralFigures f = LateralFiguresOf(grid, line.at);
    return py::make_tuple(f.width50Mm, f.leftPenumbraMm, f.rightPenumbraMm, f.penumbraeWithheldForWedge);
}

}  // namespace

void BindDose(py::module_& module) {
    py::class_<SharedCalculation>(
        module, "DoseCalculation",
        "One calculation of the dose grid, computed once and then only read. The array\n"
        "dose_grid returns is a view of its matrix (grid.base is this object).")
        .def_property_readonly(
            "grid",
            [](const py::object& self) {
                return GridView(self, *self.cast<const SharedCalculation&>().result);
            },
            "The grid, a read-only view: [depth_mm, lateral_index].")
        .def_property_readonly(
            "half_width_steps", [](const SharedCalculation& c) { return c.result->HalfWidthSteps; },
            "How far from the axis the dose was computed, in mm (at most 250); 0 beyond.")
        .def_property_readonly(
            "depth_steps", [](const SharedCalculation& c) { return c.result->DepthSteps; },
            "The last depth row computed, in mm (250); 0 below.")
        .def_property_readonly(
            "wedged", [](const SharedCalculation& c) { return HasWedge(c.result->Conditions.WedgeKind); },
            "Whether a wedge filter shaped the grid.");

    module.def(
        "dose_grid",
        [](const LoadedBeamData& beam, bool ssd, double depth, double width, double length,
           std::optional<int> wedge) {
            const IrradiationConditions conditions = ConditionsFrom(ssd, depth, width, length, wedge);
            auto calculation = std::make_unique<SharedCalculation>();
            {
                py::gil_scoped_release unlocked;
                calculation->result = ComputeSharedDoseGrid(beam.data, conditions);
            }
            const py::object owner = py::cast(std::move(calculation));
            return GridView(owner, *owner.cast<const SharedCalculation&>().result);
        },
        py::arg("beam"), py::arg("ssd"), py::arg("depth"), py::arg("width"), py::arg("length"),
        py::arg("wedge"));

    module.def(
        "read_entries",
        [](const std::string& depth, const std::string& width, const std::string& length) {
            IrradiationConditions conditions;
            ReadConditionEntries(conditions, depth, width, length);
            return py::make_tuple(conditions.Depth, conditions.FieldWidth, conditions.FieldLength);
        },
        py::arg("depth"), py::arg("width"), py::arg("length"));

    module.def(
        "profile",
        [](const py::object& grid, bool depthAxis, const py::int_& at) {
            const ProfileLine line = Line(depthAxis, at);
            if (const DoseCalculation* result = OwnCalculation(grid)) return Profile(result->DoseGrid, line);
            return Profile(*MatrixFrom(grid), line);
        },
        py::arg("grid"), py::arg("depth_axis"), py::arg("at"));

    module.def(
        "profile_figures",
        [](const py::object& grid, bool depthAxis, const py::int_& at) {
            const ProfileLine line = Line(depthAxis, at);
            const DoseCalculation* result = OwnCalculation(grid);
            if (result == nullptr)
                throw py::type_error(
                    "profile_figures needs the grid dose_grid returned (or grid.base): a copy or a slice "
                    "does not know which cells were computed");
            return Figures(*result, line);
        },
        py::arg("grid"), py::arg("depth_axis"), py::arg("at"));

    module.attr("GRID_ROWS") = GridRows;
    module.attr("GRID_COLUMNS") = GridColumns;
    module.attr("AXIS_COLUMN") = AxisColumn;
    module.attr("LAST_COMPUTED_ROW") = LastComputedRow;
    module.attr("FAILURE_MESSAGES") =
        py::make_tuple(TextFromCore(FailureMessageFirst), TextFromCore(FailureMessageSecond));
}

}  // namespace corvane::python
