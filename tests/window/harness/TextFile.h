#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vork::testing {

// A new empty file of this process's, named from `prefix`: for a child's output.
inline std::string NewTemporaryFile(const std::string& prefix) {
    std::string path = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    const int fd = mkstemp(path.data());
    if (fd < 0) {
        throw std::runtime_error("cannot make a temporary file for " + prefix);
    }
    close(fd);
    return path;
}

// The whole of a file's text; empty if it cannot be read.
inline std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace vork::testing
