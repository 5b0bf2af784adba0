#include "PythonErrors.h"

#include "dose/CalculationFailure.h"

namespace py = pybind11;

namespace corvane::python {

namespace {

// Raises corvane._errors.<name>(*args); where that cannot be made (the module
// imported without its package), a RuntimeError with `fallback`.
void Raise(const char* name, const py::tuple& args, const py::dict& kwargs, const char* fallback) {
    try {
        const py::object type = py::module_::import("corvane._errors").attr(name);
        const py::object error = type(*args, **kwargs);
        PyErr_SetObject(type.ptr(), error.ptr());
    } catch (py::error_already_set&) {
        PyErr_SetString(PyExc_RuntimeError, fallback);
    }
}

}  // namespace

py::str TextFromCore(std::string_view text) {
    PyObject* decoded = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace");
    if (decoded == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(decoded);
}

void RegisterErrorTranslation() {
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const CalculationFailure& failure) {
            const py::tuple messages =
                py::make_tuple(TextFromCore(FailureMessageFirst), TextFromCore(FailureMessageSecond));
            Raise("CalculationError", py::make_tuple(TextFromCore(failure.what()), messages), py::dict(),
                  failure.what());
        } catch (const BeamDataLoadFailure& failure) {
            py::dict where;
            where["line"] = failure.line ? py::object(py::int_(*failure.line)) : py::none();
            where["field"] = failure.field ? py::object(TextFromCore(*failure.field)) : py::none();
            Raise("BeamDataError", py::make_tuple(TextFromCore(failure.what())), where, failure.what());
        }
    });
}

}  // namespace corvane::python
