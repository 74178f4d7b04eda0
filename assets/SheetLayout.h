#pragma once

namespace vork::assets {

// Where each picture sits on the sprite sheet (top-left corners, sheet pixels).
struct SheetPoint {
    int X;
    int Y;
};

inline constexpr int SpriteSize = 24;
inline constexpr int SheetWidth = 2 * SpriteSize;
inline constexpr int SheetHeight = 53;

inline constexpr SheetPoint PuckImage{0, 0};
inline constexpr SheetPoint PuckMask{24, 0};
inline constexpr SheetPoint MalletImage{0, 24};
inline constexpr SheetPoint MalletMask{24, 24};
inline constexpr SheetPoint CentreLineStrip{0, 48};
inline constexpr SheetPoint GoalLineStrip{0, 52};

inline constexpr int CentreLineStripHeight = 4;
inline constexpr int GoalLineStripHeight = 1;

}  // namespace vork::assets
