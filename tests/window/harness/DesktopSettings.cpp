#include "tests/window/harness/DesktopSettings.h"

#include <X11/Xatom.h>
#include <X11/extensions/scrnsaver.h>

#include <memory>

namespace vork::testing {

void SetResources(XConnection& x, const std::string& resources) {
    XChangeProperty(x.Get(), x.Root(), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(resources.data()), static_cast<int>(resources.size()));
    x.Sync();
}

void SetScreenSaverTimeout(XConnection& x, int seconds) {
    XSetScreenSaver(x.Get(), seconds, 0, DontPreferBlanking, AllowExposures);
    XResetScreenSaver(x.Get());
    x.Sync();
}

bool ScreenSaverShowing(XConnection& x) {
    std::unique_ptr<XScreenSaverInfo, int (*)(void*)> info(XScreenSaverAllocInfo(), XFree);
    return info && XScreenSaverQueryInfo(x.Get(), x.Root(), info.get()) != 0 && info->state == ScreenSaverOn;
}

}  // namespace vork::testing
