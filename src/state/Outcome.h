// The one result type of everything that reads, writes or prints: a value,
// or a structured fault that says why there is none. (The calculation and
// its drawing fail the other way, by the exception CalculationFailure.)
//
//     Outcome<FileBytes, FileReadFault> read = ReadRegularFile(path, limit);
//     if (!read) return Fail(read.error());   // the fault, to report or pass on
//     use(read->bytes);
//
// tl::expected (Debian's libexpected-dev) is std::expected for C++20
// libraries that lack it, as g++ 12's does; it is header-only.
#pragma once

#include <tl/expected.hpp>

#include <utility>

namespace corvane {

template <class T, class Fault>
using Outcome = tl::expected<T, Fault>;

// The fault side of an Outcome: `return Fail(WriteFault{"No space left on device"});`.
template <class Fault>
auto Fail(Fault&& fault) {
    return tl::make_unexpected(std::forward<Fault>(fault));
}

}  // namespace corvane
