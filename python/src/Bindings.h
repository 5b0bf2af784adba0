// The parts of the module corvane._core, each bound in a file of its own.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

namespace corvane::python {

void BindBeamData(pybind11::module_& module);
void BindDose(pybind11::module_& module);
void BindCurves(pybind11::module_& module);

// Clears the array's WRITEABLE flag: what the module hands out is the
// calculation's own result, not a scratch copy.
inline pybind11::array ReadOnly(pybind11::array array) {
    array.attr("setflags")(pybind11::arg("write") = false);
    return array;
}

}  // namespace corvane::python
