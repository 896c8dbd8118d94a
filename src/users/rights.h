// The right codes of this program: every code a guarded operation of it asks for.
#pragma once

#include <vector>

namespace orv::users {

// In ascending order; "user grant NAME all" and the first administrator get every one.
const std::vector<int>& allRightCodes();
bool isKnownRightCode(int code);

}  // namespace orv::users
