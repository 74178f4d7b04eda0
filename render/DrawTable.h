#pragma once

#include "platform/Platform.h"
#include "rally/MatchState.h"

namespace vork::render {

// Paints one whole picture of the table into the platform's persistent
// picture: cleared, then pucks, centre line, mallets and goal-mouth lines,
// all copied from the sprite sheet.
void DrawTable(const rally::MatchState& state, platform::Platform& platform);

}  // namespace vork::render
