#include "tests/window/harness/Xdotool.h"

#include <stdexcept>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"

namespace vork::testing {

void Xdotool::Run(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "xdotool");
    if (RunChild(arguments, {"DISPLAY=" + display_}, 10s) != 0) {
        throw std::runtime_error("xdotool " + arguments[1] + " failed or hung");
    }
}

void Xdotool::MoveTo(::Window window, int x, int y) const {
    Run({"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y)});
}

void Xdotool::MoveBy(int dx, int dy) const {
    Run({"mousemove_relative", "--", std::to_string(dx), std::to_string(dy)});
}

void Xdotool::Click(int button) const { Run({"click", std::to_string(button)}); }

void Xdotool::Click(int button, bool shifted) const {
    if (shifted) {
        KeyDown("shift");
    }
    Click(button);
    if (shifted) {
        KeyUp("shift");
    }
}

void Xdotool::KeyDown(const std::string& key) const { Run({"keydown", key}); }

void Xdotool::KeyUp(const std::string& key) const { Run({"keyup", key}); }

void Xdotool::Focus(::Window window) const { Run({"windowfocus", "--sync", std::to_string(window)}); }

}  // namespace vork::testing
