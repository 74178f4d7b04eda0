#pragma once

#include <optional>
#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/PictureProbe.h"

// A screenshot of the table checked against the game's own drawing.
namespace vork::testing {

// Finds where the pucks and mallets lie in `shot` and draws the table with
// the game's own DrawTable and sprite sheet, the `texts` printed over it, as
// the in-memory platform would. Returns nothing when the shot matches that
// picture pixel for pixel; else how the nearest candidate differs. A sprite
// that something covers in part is tried at every place the rest allows.
std::optional<PictureDifference> DifferenceFromDrawnTable(const platform::Image& shot, int pucks,
                                                          const std::vector<GameFacts::Lettering>& texts = {});

}  // namespace vork::testing
