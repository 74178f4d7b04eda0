#include "tests/window/harness/OtherWindow.h"

#include <algorithm>

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
    return std::any_of(scene->begin(), scene->end(),
                       [this](const SceneView& view) { return view.Pid == pid_ && view.Role == "xdg_toplevel"; });
}

}  // namespace vork::testing
