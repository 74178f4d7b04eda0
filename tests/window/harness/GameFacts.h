#pragma once

#include <string_view>

#include "platform/Image.h"
#include "tests/window/harness/Geometry.h"

// What a player sees of the game from outside its window.
namespace vork::testing::GameFacts {

inline constexpr std::string_view TitleCaption = "vorK";
// The X11 window class and Wayland app id, as the desktop entry is named.
inline constexpr std::string_view AppId = VORK_APP_ID;
inline constexpr int ClientWidth = 240;
inline constexpr int ClientHeight = 335;

inline constexpr platform::Rgb Table{128, 128, 128};
inline constexpr platform::Rgb Text{255, 255, 255};
inline constexpr platform::Rgb PuckFill{128, 255, 255};
inline constexpr platform::Rgb PuckRim{0, 255, 255};
inline constexpr platform::Rgb PuckLetter{255, 255, 0};
inline constexpr platform::Rgb Mallet{0, 0, 255};

inline constexpr int SpriteSize = 24;
// Where the pointer's hot spot is held during a rally.
inline constexpr Box PlayerArea{0, 161, 216, 311};
// Rows the player's mallet can cover and the CPU's cannot.
inline constexpr int PlayerHalfTop = 160;

// A click here starts a rally that the CPU normally wins or loses within
// seconds without the mallet ever moving.
inline constexpr Point RestingClick{120, 250};

struct Lettering {
    std::string_view Text;
    int X;
    int Y;
    double Points;
};
inline constexpr Lettering TitleName{"vorK", 80, 96, 32};
inline constexpr Lettering TitlePrompt{"Click to Game Start!", 31, 172, 16};
inline constexpr Lettering NextGame{"Next Game", 75, 106, 16};
inline constexpr Lettering ClickToStart{"Click to Start", 63, 150, 16};

}  // namespace vork::testing::GameFacts
