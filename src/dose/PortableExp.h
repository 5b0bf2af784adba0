// e to the power x, with the same bits on every platform the core is built
// for (see PortableExp.cpp): the wedge factor's exponential.
#pragma once

namespace corvane {

double PortableExp(double x);

}  // namespace corvane
