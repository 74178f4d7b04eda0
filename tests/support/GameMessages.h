#pragma once

#include <array>
#include <string_view>

namespace vork::testing {

// Every text the game prints into its picture, where and how large.
struct GameMessage {
    std::string_view Text;
    int X;
    int Y;
    double Points;
};

inline constexpr std::array<GameMessage, 6> GameMessages{{
    {"vorK", 80, 96, 32},
    {"Click to Game Start!", 31, 172, 16},
    {"Next Game", 75, 106, 16},
    {"Click to Start", 63, 150, 16},
    {"GAME OVER", 4, 20, 16},
    {"Click to Retry!", 57, 172, 16},
}};

}  // namespace vork::testing
