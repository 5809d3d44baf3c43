// Checks of the two folders of a package build, before anything is written.
#pragma once
#include <filesystem>
#include <string>

namespace qx {

// The input must be an existing folder holding both plain scripts.
bool CheckInputFolder(const std::filesystem::path& input, std::string* error);

// The output must not be the input nor lie inside it (the copy would then
// copy into itself); it is created when missing.
bool PrepareOutputFolder(const std::filesystem::path& input, const std::filesystem::path& output,
                         std::string* error);

}  // namespace qx
