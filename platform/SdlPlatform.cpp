#include "platform/SdlPlatform.h"

#include <SDL.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/UnitRandom.h"

namespace vork::platform {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

[[noreturn]] void Fail(const char* what) { throw std::runtime_error(std::string(what) + ": " + SDL_GetError()); }

template <typename T>
T* Check(T* created, const char* what) {
    if (created == nullptr) {
        Fail(what);
    }
    return created;
}

std::int16_t ModifierBits(SDL_Keymod mods) {
    std::int16_t bits = 0;
    if ((mods & KMOD_SHIFT) != 0) bits |= Modifier::Shift;
    if ((mods & KMOD_CTRL) != 0) bits |= Modifier::Ctrl;
    if ((mods & KMOD_ALT) != 0) bits |= Modifier::Alt;
    return bits;
}

std::int16_t ButtonCode(std::uint8_t button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return Button::Left;
        case SDL_BUTTON_RIGHT: return Button::Right;
        case SDL_BUTTON_MIDDLE: return Button::Middle;
        default: return static_cast<std::int16_t>(8 << (button - SDL_BUTTON_X1));
    }
}

std::int16_t HeldButtons(std::uint32_t state) {
    std::int16_t bits = 0;
    if ((state & SDL_BUTTON_LMASK) != 0) bits |= Button::Left;
    if ((state & SDL_BUTTON_RMASK) != 0) bits |= Button::Right;
    if ((state & SDL_BUTTON_MMASK) != 0) bits |= Button::Middle;
    return bits;
}

std::int64_t MillisecondsSinceBoot() {
    return std::chrono::duration_cast<Milliseconds>(Clock::now().time_since_epoch()).count();
}

}  // namespace

SdlPlatform::Session::Session() {
    // The click that brings the window to the front must count like any other.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Showing a frame must never wait for the display's vertical blank.
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        Fail("cannot start SDL");
    }
    // Without a display SDL quietly falls back to a driver that shows nothing;
    // a game nobody can see must say so instead of running on invisibly.
    const std::string_view driver = SDL_GetCurrentVideoDriver();
    if ((driver == "offscreen" || driver == "dummy") && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_Quit();
        throw std::runtime_error("no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)");
    }
    // On X11 a 240 x 335 picture goes to the screen fastest, and with a tenth
    // of the memory, through SDL's software renderer drawing straight into
    // shared memory; by default SDL would route it through OpenGL. Elsewhere
    // (Wayland has no such path) SDL picks the renderer.
    if (driver == "x11") {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
}

SdlPlatform::Session::~Session() { SDL_Quit(); }

void SdlPlatform::Deleters::operator()(SDL_Window* window) const {
    // SDL 2.26 on X11 reads freed memory when a confined window is destroyed.
    SDL_SetWindowMouseRect(window, nullptr);
    SDL_DestroyWindow(window);
}
void SdlPlatform::Deleters::operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
void SdlPlatform::Deleters::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
void SdlPlatform::Deleters::operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }

SdlPlatform::SdlPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon)
    : Platform(clientWidth, clientHeight),
      random_(static_cast<std::uint64_t>(Clock::now().time_since_epoch().count())) {
    const std::string title(caption);
    // Not resizable: SDL then sets the minimum and maximum size hints to the size.
    window_.reset(Check(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, clientWidth,
                                         clientHeight, SDL_WINDOW_HIDDEN),
                        "cannot create the window"));
    renderer_.reset(Check(SDL_CreateRenderer(window_.get(), -1, 0), "cannot create a renderer"));
    texture_.reset(Check(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB24, SDL_TEXTUREACCESS_STREAMING,
                                           clientWidth, clientHeight),
                         "cannot create the picture texture"));
    arrow_.reset(Check(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW), "cannot create the arrow pointer"));
    crossHair_.reset(Check(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR), "cannot create the cross-hair"));

    Image iconPixels = icon;
    SDL_Surface* iconSurface = SDL_CreateRGBSurfaceWithFormatFrom(
        iconPixels.Row(0), icon.Width(), icon.Height(), 24, icon.Width() * 3, SDL_PIXELFORMAT_RGB24);
    if (iconSurface != nullptr) {
        SDL_SetWindowIcon(window_.get(), iconSurface);
        SDL_FreeSurface(iconSurface);
    }
    SDL_AddEventWatch(&SdlPlatform::WatchEvent, this);
}

SdlPlatform::~SdlPlatform() {
    SDL_DelEventWatch(&SdlPlatform::WatchEvent, this);
    SDL_SetWindowMouseRect(window_.get(), nullptr);
}

void SdlPlatform::ShowWindow() {
    SDL_ShowWindow(window_.get());
    Present();
}

void SdlPlatform::SetCaption(std::string_view caption) { SDL_SetWindowTitle(window_.get(), std::string(caption).c_str()); }

void SdlPlatform::SetMousePointer(MousePointer shape) {
    SDL_SetCursor(shape == MousePointer::CrossHair ? crossHair_.get() : arrow_.get());
}

void SdlPlatform::ClipCursor(std::optional<ClientRect> area) {
    confinement_ = area;
    ApplyConfinement();
}

void SdlPlatform::ApplyConfinement() {
    if (!confinement_) {
        SDL_SetWindowMouseRect(window_.get(), nullptr);
        return;
    }
    const SDL_Rect rect{confinement_->Left, confinement_->Top, confinement_->Right - confinement_->Left,
                        confinement_->Bottom - confinement_->Top};
    SDL_SetWindowMouseRect(window_.get(), &rect);
}

std::uint32_t SdlPlatform::GetTickCount() { return static_cast<std::uint32_t>(MillisecondsSinceBoot()); }

int SdlPlatform::WatchEvent(void* self, SDL_Event* event) {
    // Mouse events carry no modifiers, so the keyboard state is noted here, in
    // event order, as each button event is queued: by the time the event is
    // handled the keys may long have been released.
    if (event->type == SDL_MOUSEBUTTONDOWN) {
        static_cast<SdlPlatform*>(self)->buttonModifiers_.push_back(
            {event->button.timestamp, ModifierBits(SDL_GetModState())});
    }
    return 0;
}

std::int16_t SdlPlatform::ModifiersOfButtonEvent(std::uint32_t timestamp) {
    while (!buttonModifiers_.empty() && static_cast<std::int32_t>(buttonModifiers_.front().Timestamp - timestamp) < 0) {
        buttonModifiers_.pop_front();
    }
    if (!buttonModifiers_.empty() && buttonModifiers_.front().Timestamp == timestamp) {
        const std::int16_t shift = buttonModifiers_.front().Shift;
        buttonModifiers_.pop_front();
        return shift;
    }
    return ModifierBits(SDL_GetModState());
}

bool SdlPlatform::NextEvent(SDL_Event& event) {
    if (hasHeldEvent_) {
        event = heldEvent_;
        hasHeldEvent_ = false;
        return true;
    }
    return SDL_PollEvent(&event) != 0;
}

void SdlPlatform::PumpEvents() {
    SDL_Event event;
    while (NextEvent(event)) {
        Dispatch(event);
    }
    Events().Flush();
    if (exposed_ || Picture().Version() != presentedVersion_) {
        Present();
    }
}

void SdlPlatform::Dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            Events().Move(HeldButtons(event.motion.state), ModifierBits(SDL_GetModState()),
                          static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
            Events().Button(ButtonCode(event.button.button), ModifiersOfButtonEvent(event.button.timestamp),
                            static_cast<float>(event.button.x), static_cast<float>(event.button.y));
            break;
        case SDL_QUIT:
            Events().Close();
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    Events().Close();
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                    exposed_ = true;
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    // SDL drops the confinement when focus is lost and would
                    // restore it only once the pointer re-enters the window.
                    if (confinement_) {
                        ApplyConfinement();
                    }
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void SdlPlatform::WaitForEvents(std::optional<std::uint32_t> untilTick) {
    if (hasHeldEvent_) {
        return;
    }
    if (!untilTick) {
        hasHeldEvent_ = SDL_WaitEvent(&heldEvent_) != 0;
        return;
    }
    // The instant the tick counter reaches untilTick, on the clock it counts.
    const std::int64_t now = MillisecondsSinceBoot();
    const std::int32_t remaining = static_cast<std::int32_t>(*untilTick - static_cast<std::uint32_t>(now));
    const Clock::time_point deadline{Milliseconds(now + remaining)};
    for (;;) {
        const auto left = std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()).count();
        if (left < 2) {
            break;
        }
        // SDL's wait has whole-millisecond resolution; wake a little early and
        // sleep the rest, so frames land on their deadline.
        if (SDL_WaitEventTimeout(&heldEvent_, static_cast<int>(left - 1)) != 0) {
            hasHeldEvent_ = true;
            return;
        }
    }
    std::this_thread::sleep_until(deadline);
}

double SdlPlatform::Random() { return UnitRandom(random_); }

void SdlPlatform::ReseedRandomFromClock() {
    random_.seed(static_cast<std::uint64_t>(Clock::now().time_since_epoch().count()));
}

int SdlPlatform::DrawText(std::string_view text, int x, int y, double points, Rgb colour) {
    return font_.Draw(Picture(), text, x, y, points, colour);
}

void SdlPlatform::Present() {
    exposed_ = false;
    presentedVersion_ = Picture().Version();
    SDL_UpdateTexture(texture_.get(), nullptr, Picture().Row(0), Picture().Width() * 3);
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

}  // namespace vork::platform
