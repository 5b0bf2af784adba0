// The beam data file: loading it without the GIL, and its tables as arrays.
#include "Bindings.h"
#include "PythonErrors.h"

#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"

#include <memory>
#include <optional>
#include <string>

namespace py = pybind11;

namespace corvane::python {

namespace {

// Rows first..last and columns first..last of a table, as a read-only array.
template <class Table>
py::array TableArray(const Table& table, int rows, int columns) {
    py::array_t<double> array({rows, columns});
    auto cells = array.mutable_unchecked<2>();
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) cells(i, j) = table[i + 1][j + 1];
    return ReadOnly(array);
}

template <std::size_t N>
py::array ColumnArray(const std::array<double, N>& column) {
    py::array_t<double> array(static_cast<py::ssize_t>(N - 1));
    auto cells = array.mutable_unchecked<1>();
    for (std::size_t i = 1; i < N; ++i) cells(static_cast<py::ssize_t>(i - 1)) = column[i];
    return ReadOnly(array);
}

// The file's tables, or BeamDataLoadFailure with the tool's words for the fault.
std::shared_ptr<LoadedBeamData> Load(const std::string& path) {
    std::optional<BeamDataLoad> loaded;
    {
        py::gil_scoped_release unlocked;
        loaded.emplace(LoadBeamDataFile(std::filesystem::path(path)));
    }
    if (!*loaded) {
        const BeamDataFault& fault = loaded->error();
        throw BeamDataLoadFailure(
            DescribeBeamDataFault(fault), fault.line > 0 ? std::optional<int>(fault.line) : std::nullopt,
            fault.field.empty() ? std::nullopt : std::optional<std::string>(fault.field));
    }
    return std::make_shared<LoadedBeamData>(std::move(**loaded));
}

}  // namespace

void BindBeamData(py::module_& module) {
    py::class_<LoadedBeamData, std::shared_ptr<LoadedBeamData>>(
        module, "BeamData",
        "The measured tables of one beam data file, as load_beam_data read them.\n\n"
        "The tables are read-only arrays: depth_cm (37 depths), field_size_cm (the\n"
        "10 square fields of the TMR columns), tmr (37 x 10) and ocr (21 rows for the\n"
        "relative off-axis distances 0, 0.1, ..., 2.0, by 3 depths 0, 15 and 30 cm).")
        .def_property_readonly(
            "path",
            [](const LoadedBeamData& beam) {
                return py::reinterpret_steal<py::str>(PyUnicode_DecodeFSDefaultAndSize(
                    beam.file.data(), static_cast<py::ssize_t>(beam.file.size())));
            },
            "The file it was read from, as it was named.")
        .def_property_readonly(
            "depth_cm", [](const LoadedBeamData& beam) { return ColumnArray(beam.data.DepthTable); },
            "The depths of the TMR rows, in cm.")
        .def_property_readonly(
            "field_size_cm", [](const LoadedBeamData& beam) { return ColumnArray(beam.data.FieldSizeTable); },
            "The sides of the square fields of the TMR columns, in cm.")
        .def_property_readonly(
            "tmr",
            [](const LoadedBeamData& beam) {
                return TableArray(beam.data.TmrTable, BeamData::DepthRows, BeamData::FieldColumns);
            },
            "TMR by depth row and field column.")
        .def_property_readonly(
            "ocr",
            [](const LoadedBeamData& beam) {
                return TableArray(beam.data.OcrTable, BeamData::OcrRows, BeamData::OcrColumns);
            },
            "OCR by relative off-axis distance (0.1 a row) and depth (0, 15, 30 cm).")
        .def("__repr__", [](const py::object& self) {
            return py::str("<corvane.BeamData from {!r}>").format(self.attr("path"));
        });

    module.def(
        "load_beam_data",
        [](const std::string& path) {
            std::shared_ptr<LoadedBeamData> beam = Load(path);
            const std::string warning = beam->warning();
            return py::make_tuple(beam, warning.empty() ? py::object(py::none())
                                                        : py::object(TextFromCore(warning)));
        },
        py::arg("path"),
        "Loads the file at `path` (bytes). Returns the tables and the loader's warning, or None.");

    module.attr("BEAM_DATA_FILE_NAME") = BeamDataFileName;
    module.attr("INSTALL_DATADIR") = CORVANE_INSTALL_DATADIR;
    module.attr("DATA_FROM_PACKAGE") = CORVANE_DATA_FROM_PACKAGE;
}

}  // namespace corvane::python
