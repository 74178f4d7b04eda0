#include "shell/Form1.h"

#include <cmath>

#include "assets/SpriteSheet.h"
#include "assets/TableColours.h"
#include "platform/Rounding.h"

namespace vork::shell {
namespace {

// How fast the pointer moved between two events, on one axis: 1 to 5.
int StrikeSpeedOf(float distance) {
    if (distance > 20) return 5;
    if (distance > 15) return 4;
    if (distance > 10) return 3;
    if (distance > 5) return 2;
    return 1;
}

}  // namespace

Form1::Form1(platform::Platform& platform) : Rally(State, platform), platform_(platform) {}

void Form1::OnWindowLoad() {
    platform_.SetCaption("vorK");
    platform_.SetBackColor(assets::TableFelt);
    platform_.SetForeColor(assets::TableLettering);
    assets::SpriteSheet();  // decoded now, so a damaged sheet fails at start-up
    State.PuckCount = 0;
    State.WaitingForClick = 1;
    platform_.SetFontSize(32);
    platform_.CurrentX = 80;
    platform_.CurrentY = 96;
    platform_.Print("vorK");
    platform_.SetFontSize(16);
    platform_.CurrentX = 31;
    platform_.CurrentY = 172;
    platform_.Print("Click to Game Start!");
}

void Form1::OnWindowClose() { platform_.End(0); }

void Form1::OnMouseButton(std::int16_t button, std::int16_t shift, float, float) {
    if (button == platform::Button::Left) {
        if (State.PuckCount != 0 && State.WaitingForClick == 1) {
            State.WaitingForClick = 0;
            Rally.PlayRally();
        } else if (State.PuckCount == 0) {
            // Only Shift on its own asks for two pucks.
            State.PuckCount = shift == platform::Modifier::Shift ? 2 : 1;
            Rally.PlayRally();
        }
    } else if (button == platform::Button::Right) {
        platform_.SetMousePointer(platform::MousePointer::Default);
        platform_.ClipCursor(std::nullopt);
        platform_.End(0);
    }
}

// The speeds measure the distance from the previous event, axis by axis;
// the previous position is the stored mallet position itself.
void Form1::OnMouseMove(std::int16_t, std::int16_t, float x, float y) {
    State.StrikeSpeedX = StrikeSpeedOf(std::fabs(x - State.MalletX[rally::Player]));
    State.StrikeSpeedY =
        static_cast<std::int16_t>(StrikeSpeedOf(std::fabs(static_cast<float>(State.MalletY[rally::Player]) - y)));
    State.MalletY[rally::Player] = platform::RoundToInt16Saturating(y);
    State.MalletX[rally::Player] = x;
}

void Form1::Run() {
    for (;;) {
        platform_.PumpEvents();
        platform_.WaitForInput();
    }
}

}  // namespace vork::shell
