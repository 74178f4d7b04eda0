#pragma once

#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/Geometry.h"

// Pictures the game must show, drawn here with the game's own face.
namespace vork::testing {

platform::Image TitlePicture();
// The pixels the lettering covers completely: they show the text colour
// whatever lay beneath.
std::vector<Point> SolidTextPixels(const GameFacts::Lettering& lettering);

}  // namespace vork::testing
