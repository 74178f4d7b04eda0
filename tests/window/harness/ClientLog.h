#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vork::testing {

// Whether a line of a program's output is libwayland's (WAYLAND_DEBUG):
// "[1447347.164]  -> wl_surface@29.commit()".
bool IsProtocolLine(std::string_view line);

// What a compositor told the game, read from the game's own protocol log
// (WAYLAND_DEBUG=client) as it grows: where no picture can be had, the
// compositor's answers still show whether it mapped the window, where the
// pointer is on it and whether the hold was granted.
class ClientLog {
public:
    explicit ClientLog(std::string path) : path_(std::move(path)) {}

    // Reads what has been added since the last look.
    void Update();

    // The window's surface is on an output.
    bool Shown() const { return shown_; }
    struct Place {
        double X = 0;
        double Y = 0;
    };
    // Where the pointer was last reported on the window's surface, in its
    // own coordinates; nullopt while it is elsewhere.
    std::optional<Place> Pointer() const;
    // How many positions on the window's surface have been reported so far.
    int PointerReports() const { return reports_; }
    // The title the game last gave its window ("vorK", or the score).
    const std::string& Title() const { return title_; }
    // The size of the picture last put on the window's surface, in buffer pixels.
    std::optional<std::pair<int, int>> PictureSize() const { return size_; }
    // Whether the game has asked for a hold of the pointer.
    bool HoldAsked() const { return holdAsked_; }
    // Whether the compositor has granted a hold of the pointer and not ended it.
    bool Confined() const { return confined_; }

private:
    void Take(std::string_view line);

    std::string path_;
    std::size_t read_ = 0;
    std::string partial_;
    std::map<std::string, std::string> xdgSurfaceOf_;  // xdg_surface -> wl_surface
    std::string window_;                               // "wl_surface@29"
    std::string title_;
    // The game's own pointer, the first it asks for: libdecor takes another,
    // and each event comes to both.
    std::string pointer_;
    std::string pointerOn_;  // the surface that pointer is on
    std::map<std::string, std::pair<int, int>> bufferSize_;  // wl_buffer -> its width and height
    std::optional<std::pair<int, int>> size_;
    std::optional<Place> place_;
    int reports_ = 0;
    bool shown_ = false;
    bool holdAsked_ = false;
    bool confined_ = false;
};

}  // namespace vork::testing
