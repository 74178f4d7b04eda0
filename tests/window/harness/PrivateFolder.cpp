#include "tests/window/harness/PrivateFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace vork::testing {

PrivateFolder::PrivateFolder(std::string_view prefix)
    : path_((std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string()) {
    if (mkdtemp(path_.data()) == nullptr) {
        throw std::runtime_error("cannot make a private folder for " + std::string(prefix));
    }
}

PrivateFolder::~PrivateFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vork::testing
