#pragma once
#include <vector>

#include "Skeleton.h"

namespace contentgen {
// The choreography: one skeleton pose for every fighter and civilian picture drawn from a
// skeleton, in picture-number order (pictures 70 and 85 to 88, 120 to 123 are drawn otherwise).
const std::vector<Pose>& pose_table();
// The pose numbered n, or null when picture n is not drawn from the skeleton.
const Pose* find_pose(int n);
}
