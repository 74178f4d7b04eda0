#include "tests/window/harness/MutterDesktop.h"

#include <string>

namespace vork::testing {
namespace {

std::string Size(Point size) { return std::to_string(size.X) + "x" + std::to_string(size.Y); }

}  // namespace

MutterDesktop::MutterDesktop()
    : mutter_("mutter",
              {"mutter", "--headless", "--wayland", "--no-x11", "--wayland-display", "{socket}", "--virtual-monitor",
               Size(OutputSize)},
              {"GSETTINGS_BACKEND=memory"}),
      pointer_(mutter_.Bus().Address()) {}

}  // namespace vork::testing
