// corvane.BeamData: the tables of one data file, read once and then shared
// by every calculation made from them.
#pragma once

#include "state/BeamData.h"

#include <string>

namespace corvane::python {

struct LoadedBeamData {
    BeamData tables;
    std::string file;  // the path as given, in the file system's bytes
};

}  // namespace corvane::python
