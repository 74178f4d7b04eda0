#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vork::testing {

// The whole of a file's text; empty if it cannot be read.
inline std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace vork::testing
