#pragma once
#include "model/PointRecord.h"

#include <string>
#include <vector>

namespace zorvane {

// The description list of a case: its distinct descriptors (the empty one included), letter
// case ignored, in the order they first appear.
std::vector<std::string> descriptorList(const PointTable& points);

} // namespace zorvane
