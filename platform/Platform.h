#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/BitBlt.h"
#include "platform/Image.h"
#include "platform/MoveCoalescer.h"
#include "platform/PixelRect.h"

namespace vork::platform {

// Shapes the game gives the pointer, by their classic numbers.
enum class MousePointer : int { Default = 0, CrossHair = 2 };

// A rectangle in client pixels.
using ClientRect = PixelRect;

// Thrown by Platform::End. It deliberately does not derive from std::exception,
// so that only main, which expects it, ever catches it: ending the program
// unwinds every handler and rally frame in between.
struct ProgramEnd {
    int Status = 0;
};

// Every window-system service the game uses. The picture, its colours and the
// text cursor are the same on every platform and live here; what reaches a
// real screen, clock or pointer is left to the implementations.
class Platform {
public:
    Platform(int clientWidth, int clientHeight);
    virtual ~Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // The persistent picture of the client area: every copy and text goes here.
    Image& Picture() { return picture_; }
    const Image& Picture() const { return picture_; }
    int ScaleWidth() const { return picture_.Width(); }
    int ScaleHeight() const { return picture_.Height(); }

    void SetBackColor(Rgb colour);  // also clears the picture to it
    void SetForeColor(Rgb colour) { foreColor_ = colour; }
    Rgb BackColor() const { return backColor_; }
    Rgb ForeColor() const { return foreColor_; }
    void ClearPicture() { picture_.Fill(backColor_); }

    virtual void BitBlt(int x, int y, int width, int height, const Image& source, int sourceX, int sourceY,
                        RasterOp op);

    // Text: the top-left of the line's character cell goes to (CurrentX, CurrentY);
    // only the glyphs are painted, in the fore colour. Printing moves the cursor
    // to the start of the next line.
    void SetFontSize(double points) { fontSize_ = points; }
    double FontSize() const { return fontSize_; }
    int CurrentX = 0;
    int CurrentY = 0;
    void Print(std::string_view text);

    // Puts the window on the screen, showing the picture as it stands.
    virtual void ShowWindow() = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual void SetMousePointer(MousePointer shape) = 0;
    // Holds the pointer's hot spot inside the rectangle; nullopt releases it.
    virtual void ClipCursor(std::optional<ClientRect> area) = 0;

    // Milliseconds from an arbitrary start, wrapping at 32 bits.
    virtual std::uint32_t GetTickCount() = 0;
    // Handles every pending event, then returns.
    virtual void PumpEvents() = 0;
    // Sleeps until the tick counter reaches `tick`. Input arriving meanwhile
    // waits for the next pump: a frame's events are handled at its end.
    virtual void SleepUntil(std::uint32_t tick) = 0;
    // Sleeps until there is input to handle. Handles nothing itself.
    virtual void WaitForInput() = 0;

    // Uniform on [0, 1).
    virtual double Random() = 0;
    virtual void ReseedRandomFromClock() = 0;

    void SetEventSink(EventSink* sink) { events_.SetSink(sink); }

    // Ends the program at once, with the given exit status, from any depth.
    [[noreturn]] void End(int status = 0) { throw ProgramEnd{status}; }

protected:
    // Paints `text` at the current font size with its cell's top-left at (x, y);
    // returns the height of the line, which the cursor moves down by.
    virtual int DrawText(std::string_view text, int x, int y, double points, Rgb colour) = 0;
    // Implementations deliver input through this, so moves are merged alike.
    MoveCoalescer& Events() { return events_; }

private:
    Image picture_;
    Rgb backColor_{};
    Rgb foreColor_{};
    double fontSize_ = 12;
    MoveCoalescer events_;
};

}  // namespace vork::platform
