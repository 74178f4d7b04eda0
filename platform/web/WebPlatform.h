#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ClockSeededRandom.h"
#include "platform/FreeTypeFont.h"
#include "platform/Platform.h"
#include "platform/web/WebInput.h"
#include "platform/web/WebPointer.h"
#include "platform/web/WebPresenter.h"
#include "platform/web/WebWait.h"
#include "platform/web/WebWindow.h"

namespace vork::platform::web {

// The platform in a web page: the picture on a canvas, the mouse through the
// page's events and pointer lock, the waits through the page's event loop.
class WebPlatform final : public Platform {
public:
    WebPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon);

    void ShowWindow() override;
    void SetCaption(std::string_view caption) override { window_.SetCaption(caption); }
    void SetMousePointer(MousePointer shape) override { pointer_.SetShape(shape); }
    void ClipCursor(std::optional<ClientRect> area) override { pointer_.Hold(area); }
    std::uint32_t GetTickCount() override { return wait_.Ticks(); }
    void PumpEvents() override;
    void SleepUntil(std::uint32_t tick) override { wait_.SleepUntil(tick); }
    void WaitForInput() override { wait_.WaitForInput(); }
    double Random() override { return random_.Next(); }
    void ReseedRandomFromClock() override { random_.Reseed(); }

protected:
    int DrawText(std::string_view text, int x, int y, double points, Rgb colour) override;

private:
    void Present(bool everything);

    WebWindow window_;
    WebPresenter presenter_;
    WebPointer pointer_;
    WebInput input_;
    WebWait wait_;
    FreeTypeFont font_;
    ClockSeededRandom random_;
};

}  // namespace vork::platform::web
