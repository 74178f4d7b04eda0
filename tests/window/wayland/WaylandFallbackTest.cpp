#include <gtest/gtest.h>

#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/WestonServer.h"

namespace vork::testing {
namespace {

// SDL 2.26 crashes starting its Wayland driver on a compositor that offers
// no seat; the game must see that coming and open its window on X11.
TEST(WaylandFallback, ACompositorWithoutASeatLeavesTheGameToX11) {
    XDesktop desktop;
    const WestonServer seatless{WestonServer::WithoutSeat{}};
    GameSession session(desktop, seatless.ClientEnvironment());
    GameProcess& game = session.Process();
    EXPECT_TRUE(session.WaitForWindow(5s))
        << "no window on X11; the game " << game.WaitForExit(0ms).value_or(ProcessEnd{}) << "\n" << game.Output();
    game.SendSignal(SIGTERM);
    const auto end = game.WaitForExit(2000ms);
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->ExitedWith(0)) << *end;
}

}  // namespace
}  // namespace vork::testing
