// The one failure of a calculation run: the dose grid or the chart drawing
// could not be completed. Every detected fault ends the run through it.
#pragma once

#include "state/Message.h"

#include <stdexcept>
#include <string>

namespace corvane {

// The two messages that the user sees, in this order, for every failure:
// the designed texts, which every front end shows (the windows through
// their catalogs, in the context of the module that runs the calculation).
inline constexpr const char* FailureMessageContext = "corvane::Module1";
inline constexpr const char* FailureMessageFirst =
    CORVANE_TRANSLATE_NOOP("corvane::Module1", "  線量分布が正しく計算できませんでした  ");
inline constexpr const char* FailureMessageSecond =
    CORVANE_TRANSLATE_NOOP("corvane::Module1", "  照射野サイズが大きすぎるものと思われます  ");

// `what()` names the technical cause; it is for developers and logs only,
// the user always gets the two fixed messages.
class CalculationFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace corvane
