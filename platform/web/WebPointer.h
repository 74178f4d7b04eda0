#pragma once

#include <optional>

#include "platform/Platform.h"

namespace vork::platform::web {

// The pointer over the table. Pages cannot confine the system pointer, so a
// hold locks it (the page then reports only motion) and the game's pointer is
// tracked here from that motion, kept inside the area exactly as the
// desktop's confinement keeps it, and drawn by the page.
class WebPointer {
public:
    struct Position {
        float X = 0;
        float Y = 0;
    };

    void SetShape(MousePointer shape);
    void Hold(std::optional<ClientRect> area);
    bool Held() const { return area_.has_value(); }

    // The page's pointer is at `to`: the game's follows unless it is held,
    // when only motion moves it (a page that lost its lock, as on Esc, leaves
    // the mallet where it is). nullopt when it does not move.
    std::optional<Position> MovedTo(Position to);
    // The held pointer moved by `by`; where it now is, inside the area.
    Position MovedBy(Position by);
    // A finger or a pen puts the pointer where it touches, held or not: a
    // touch has no motion of its own to track, only places.
    Position PutAt(Position to);
    Position At() const { return at_; }

private:
    Position Inside(Position at) const;

    std::optional<ClientRect> area_;
    Position at_;
};

}  // namespace vork::platform::web
