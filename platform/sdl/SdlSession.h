#pragma once

namespace vork::platform {

// SDL's video and event subsystems, for the life of the object.
class SdlSession {
public:
    SdlSession();
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

private:
    // What SDL must know of this machine's desktop before it starts: each
    // system's file says it.
    static void TellSdlAboutTheDesktop();
};

}  // namespace vork::platform
