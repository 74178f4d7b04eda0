#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <tuple>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WaylandDesktop.h"
#include "tests/window/harness/WaylandGameSession.h"

namespace vork::testing {

inline Compositor CompositorOf(Compositor compositor) { return compositor; }
template <typename... Rest>
Compositor CompositorOf(const std::tuple<Compositor, Rest...>& param) {
    return std::get<0>(param);
}

// Each test gets a private desktop of the compositor its parameter names
// (alone, or first in a tuple), and a freshly started game showing its
// window there.
template <typename Param = Compositor>
class WaylandTestOf : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.WaitForWindow(10s)) << "no window of the game on " << compositor << " within 10 s\n"
                                             << game.Process().Output();
    }

    // A one-puck rally, from a click where the mallet then rests.
    void StartRally(Point at = GameFacts::RestingClick) {
        game.ClickToPlay(at);
        ASSERT_TRUE(game.WaitForRally()) << "no rally within 2 s of the click";
    }

    const Compositor compositor = CompositorOf(this->GetParam());
    std::unique_ptr<WaylandDesktop> desktop = StartDesktop(compositor);
    WaylandGameSession game{*desktop};
};
using WaylandTest = WaylandTestOf<>;

// Test names that say the compositor: "Mutter", "KWin_AboveTheHalf"...
inline std::string CompositorName(const ::testing::TestParamInfo<Compositor>& info) {
    std::ostringstream name;
    name << info.param;
    return name.str();
}

}  // namespace vork::testing
