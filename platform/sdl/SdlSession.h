#pragma once

namespace vork::platform {

// SDL's video and event subsystems, for the life of the object.
class SdlSession {
public:
    SdlSession();
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
};

}  // namespace vork::platform
