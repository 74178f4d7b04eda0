#pragma once

#include <cstdint>

namespace vork::platform {

// Mouse button codes and modifier bits as the handlers receive them.
namespace Button {
inline constexpr std::int16_t Left = 1;
inline constexpr std::int16_t Right = 2;
inline constexpr std::int16_t Middle = 4;
}  // namespace Button
namespace Modifier {
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace Modifier

// Whoever handles the window's events: the game window.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void OnMouseButton(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void OnWindowClose() = 0;
};

}  // namespace vork::platform
