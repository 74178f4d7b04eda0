#include "tests/window/harness/TableMatch.h"

#include <algorithm>
#include <functional>

#include "platform/MemoryPlatform.h"
#include "platform/SdlFont.h"
#include "rally/MatchState.h"
#include "render/DrawTable.h"

namespace vork::testing {
namespace {

// The places a sprite's top-left may have, given the box its visible
// pixels make: one place when the whole sprite shows.
std::vector<Point> PlacesFor(const Box& visible) {
    std::vector<Point> places;
    const int size = GameFacts::SpriteSize;
    for (int y = visible.Bottom - size; y <= visible.Top; ++y) {
        for (int x = visible.Right - size; x <= visible.Left; ++x) {
            places.push_back({x, y});
        }
    }
    return places;
}

class TablePainter {
public:
    TablePainter(int pucks, const std::vector<GameFacts::Lettering>& texts) : texts_(texts) {
        state_.PuckCount = pucks;
    }

    const platform::Image& Paint(const std::vector<Point>& pucks, Point player, Point cpu) {
        for (std::size_t k = 0; k < pucks.size(); ++k) {
            state_.PuckX[k] = pucks[k].X;
            state_.PuckY[k] = pucks[k].Y;
        }
        state_.MalletX = {static_cast<float>(player.X), static_cast<float>(cpu.X)};
        state_.MalletY = {static_cast<std::int16_t>(player.Y), static_cast<std::int16_t>(cpu.Y)};
        platform_.SetBackColor(GameFacts::Table);
        render::DrawTable(state_, platform_);
        for (const GameFacts::Lettering& text : texts_) {
            font_.Draw(platform_.Picture(), text.Text, text.X, text.Y, text.Points, GameFacts::Text);
        }
        return platform_.Picture();
    }

private:
    const std::vector<GameFacts::Lettering>& texts_;
    rally::MatchState state_;
    platform::MemoryPlatform platform_{GameFacts::ClientWidth, GameFacts::ClientHeight};
    platform::SdlFont font_;
};

}  // namespace

std::optional<PictureDifference> DifferenceFromDrawnTable(const platform::Image& shot, int pucks,
                                                          const std::vector<GameFacts::Lettering>& texts) {
    const int size = GameFacts::SpriteSize;
    // Only the lines drawn after a mallet cover a row of it, at the table's ends.
    const auto player = FindMallet(shot, GameFacts::PlayerHalfTop, shot.Height());
    const auto cpu = FindMallet(shot, 0, GameFacts::PlayerHalfTop);
    const std::vector<Box> seen = FindPucks(shot);
    if (!player || !cpu || static_cast<int>(seen.size()) != pucks) {
        return PictureDifference{-1, {}, {}, {}};
    }
    std::vector<std::vector<Point>> places;
    for (const Box& puck : seen) {
        places.push_back(PlacesFor(puck));
    }
    TablePainter painter(pucks, texts);
    std::optional<PictureDifference> nearest;
    std::vector<Point> chosen(places.size());
    // Every combination of the pucks' possible places, the nearest kept.
    std::function<bool(std::size_t)> tryFrom = [&](std::size_t k) {
        if (k == places.size()) {
            auto difference = ComparePictures(
                painter.Paint(chosen, {player->Left, player->Bottom - size}, {cpu->Left, cpu->Bottom - size}), shot);
            if (!difference) {
                return true;
            }
            if (!nearest || difference->Count < nearest->Count) {
                nearest = difference;
            }
            return false;
        }
        return std::any_of(places[k].begin(), places[k].end(), [&](Point place) {
            chosen[k] = place;
            return tryFrom(k + 1);
        });
    };
    if (tryFrom(0)) {
        return std::nullopt;
    }
    // No place at all: some puck's pixels spread wider than a puck.
    return nearest ? nearest : PictureDifference{-1, {}, {}, {}};
}

}  // namespace vork::testing
