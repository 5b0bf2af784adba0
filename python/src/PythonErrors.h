// How the core's failures reach Python: a calculation that fails raises
// corvane.CalculationError, a data file that does not load
// corvane.BeamDataError, both defined in corvane/_errors.py.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::python {

// A data file that did not load: the tool's message, and the line and field
// of the fault where it has them.
class BeamDataLoadFailure : public std::runtime_error {
public:
    BeamDataLoadFailure(const std::string& message, std::optional<int> line, std::optional<std::string> field)
        : std::runtime_error(message), line(line), field(std::move(field)) {}
    std::optional<int> line;
    std::optional<std::string> field;
};

// UTF-8 from the core as a Python str; a byte that is not UTF-8 (a file's own
// text) becomes U+FFFD rather than an exception.
pybind11::str TextFromCore(std::string_view text);

// Turns CalculationFailure and BeamDataLoadFailure into the Python errors.
void RegisterErrorTranslation();

}  // namespace corvane::python
