#include "tests/window/harness/OtherWindow.h"

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/SceneGraph.h"

namespace vork::testing {

OtherWindow::OtherWindow(const WestonServer& weston)
    : weston_(weston), pid_(SpawnChild({"weston-simple-shm"}, weston.ClientEnvironment(), -1, Discarded)) {}

OtherWindow::~OtherWindow() {
    if (!closed_) {
        StopChild(pid_);
    }
}

bool OtherWindow::WaitUntilShown(Clock::duration timeout) {
    return WaitUntil([this] { return IsShown() == true; }, timeout, 10ms);
}

bool OtherWindow::Close(Clock::duration timeout) {
    StopChild(pid_);
    closed_ = true;
    return WaitUntil([this] { return IsShown() == false; }, timeout, 10ms);
}

std::optional<bool> OtherWindow::IsShown() const {
    const auto scene = ReadSceneGraph(weston_);
    if (!scene) {
        return std::nullopt;
    }
    return ToplevelOf(*scene, pid_).has_value();
}

}  // namespace vork::testing
