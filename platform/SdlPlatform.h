#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string_view>

#include "platform/Platform.h"
#include "platform/SdlFont.h"

#include <SDL_events.h>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace vork::platform {

// The platform on a real desktop, through SDL2: a fixed-size window whose
// client area shows the persistent picture pixel for pixel.
class SdlPlatform final : public Platform {
public:
    // Creates the window hidden; ShowWindow puts it on the screen.
    SdlPlatform(int clientWidth, int clientHeight, std::string_view caption, const Image& icon);
    ~SdlPlatform() override;

    void ShowWindow();

    void SetCaption(std::string_view caption) override;
    void SetMousePointer(MousePointer shape) override;
    void ClipCursor(std::optional<ClientRect> area) override;
    std::uint32_t GetTickCount() override;
    void PumpEvents() override;
    void WaitForEvents(std::optional<std::uint32_t> untilTick) override;
    double Random() override;
    void ReseedRandomFromClock() override;

protected:
    int DrawText(std::string_view text, int x, int y, double points, Rgb colour) override;

private:
    struct Session {
        Session();
        ~Session();
    };
    struct Deleters {
        void operator()(SDL_Window* window) const;
        void operator()(SDL_Renderer* renderer) const;
        void operator()(SDL_Texture* texture) const;
        void operator()(SDL_Cursor* cursor) const;
    };
    struct ButtonModifiers {
        std::uint32_t Timestamp;
        std::int16_t Shift;
    };

    static int WatchEvent(void* self, SDL_Event* event);
    bool NextEvent(SDL_Event& event);
    void Dispatch(const SDL_Event& event);
    std::int16_t ModifiersOfButtonEvent(std::uint32_t timestamp);
    void ApplyConfinement();
    void Present();

    Session session_;
    std::unique_ptr<SDL_Window, Deleters> window_;
    std::unique_ptr<SDL_Renderer, Deleters> renderer_;
    std::unique_ptr<SDL_Texture, Deleters> texture_;
    std::unique_ptr<SDL_Cursor, Deleters> arrow_;
    std::unique_ptr<SDL_Cursor, Deleters> crossHair_;
    SdlFont font_;

    std::optional<ClientRect> confinement_;
    std::deque<ButtonModifiers> buttonModifiers_;
    // An event that a wait took off the queue, handled first by the next pump.
    SDL_Event heldEvent_{};
    bool hasHeldEvent_ = false;
    bool exposed_ = false;
    std::uint64_t presentedVersion_ = 0;
    std::mt19937_64 random_;
};

}  // namespace vork::platform
