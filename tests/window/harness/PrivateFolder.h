#pragma once

#include <string>
#include <string_view>

namespace vork::testing {

// A new folder only this user may enter (0700, as XDG_RUNTIME_DIR must be),
// removed with everything in it when the object goes.
class PrivateFolder {
public:
    explicit PrivateFolder(std::string_view prefix);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& Path() const { return path_; }
    // A name inside it.
    std::string Inside(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

}  // namespace vork::testing
