#pragma once

#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"

namespace vork::testing {

// Moves the pointer to a point of the screen through XTest, as a mouse would,
// without a round trip: the move is on its way once this returns.
void FakeMotion(XConnection& x, Point onScreen);

}  // namespace vork::testing
