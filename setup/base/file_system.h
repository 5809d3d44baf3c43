// Existence tests on the file system, as the package steps ask them.
#pragma once
#include <string>

namespace qx {

// A file (not a folder) at that path.
bool FileExists(const std::string& path);
// A folder at that path.
bool FolderExists(const std::string& path);

}  // namespace qx
