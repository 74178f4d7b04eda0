#pragma once

#include <string>

#include "tests/window/harness/BusConnection.h"
#include "tests/window/harness/DesktopPointer.h"

namespace vork::testing {

// Mutter's pointer, driven through its remote desktop service (relative
// motion only: absolute motion there needs a screen cast stream, and so
// PipeWire), on one connection for the session's life.
class MutterPointer : public DesktopPointer {
public:
    // Opens a remote desktop session, waiting until Mutter offers one.
    explicit MutterPointer(const std::string& busAddress);
    void Click(int button) override;

private:
    void MoveBy(int dx, int dy) override;
    void Notify(const char* method, int firstType, ...);

    BusConnection bus_;
    std::string session_;
};

}  // namespace vork::testing
