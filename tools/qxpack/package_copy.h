// Copies the package items that go into the package unchanged.
#pragma once
#include <filesystem>
#include <string>

namespace qx {

// Copies every file and folder of `input` to `output`, recursively, except the
// plain scripts and the encrypted scripts at the top level (those are written
// by the encryption step). Existing files in `output` are replaced.
bool CopyPackageFiles(const std::filesystem::path& input, const std::filesystem::path& output,
                      std::string* error);

}  // namespace qx
