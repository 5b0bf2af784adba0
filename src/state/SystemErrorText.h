// The system's reason for a failed call, as a user reads it in a message.
#pragma once

#include <string>

namespace corvane {

// The C library's text for an errno value in the C locale, e.g. "No space
// left on device", whatever locale the environment or a library has set.
std::string SystemErrorText(int errorNumber);

}  // namespace corvane
