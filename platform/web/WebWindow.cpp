#include "platform/web/WebWindow.h"

#include <vector>

#include "platform/web/Host.h"
#include "platform/web/Rgba.h"

namespace vork::platform::web {

void WebWindow::Show() { HostWindowShow(); }

void WebWindow::SetCaption(std::string_view caption) { HostWindowSetCaption(caption.data(), caption.size()); }

void WebWindow::SetIcon(const Image& icon) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(icon.Width()) * icon.Height() * 4, 255);
    ToRgba(icon, {0, 0, icon.Width(), icon.Height()}, rgba.data());
    HostWindowSetIcon(rgba.data(), icon.Width(), icon.Height());
}

}  // namespace vork::platform::web
