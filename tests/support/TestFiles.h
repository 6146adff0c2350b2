#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Whole-file reads and writes for setting up and checking tests.
inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& path, const std::string& contents) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

// The entries of a folder; none when it is missing.
inline std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::error_code missing;
    return {std::filesystem::directory_iterator(folder, missing), {}};
}
