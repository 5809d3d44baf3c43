// String values read from the registry by root name, as scripts name roots.
#pragma once
#include <string>

namespace qx {

// A string value under one of the five root names; empty when the root name
// is unknown, the key or value is missing, or the value is not a string.
// HKEY_LOCAL_MACHINE keys are opened with all-access rights like every other
// machine read of the controller.
std::string ReadRegistryText(const std::string& rootName, const std::string& keyPath, const std::string& valueName);

}  // namespace qx
