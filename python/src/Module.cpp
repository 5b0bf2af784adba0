// corvane._core: the C++ half of the package corvane. The package's
// __init__.py is the public interface; this module takes plain values.
#include "Bindings.h"
#include "PythonErrors.h"

PYBIND11_MODULE(_core, module) {
    module.doc() = "The C++ core of corvane; use the package corvane, not this module.";
    corvane::python::RegisterErrorTranslation();
    corvane::python::BindBeamData(module);
    corvane::python::BindDose(module);
    corvane::python::BindCurves(module);
}
