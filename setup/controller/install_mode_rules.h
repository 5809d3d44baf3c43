// Installation mode keys (APPINFO a26 to a29) and the registry location of a28.
#pragma once
#include <string>

namespace qx {

enum class InstallMode { NewInstallation, UpgradeAutoDetect, UpgradeFromRegistry, Other };

InstallMode DecideInstallMode(const std::string& a26, const std::string& a27);

// a28 written as root name, key path and value name separated by backslashes.
struct RegistryLocation {
    std::string root;      // text before the first backslash
    std::string keyPath;   // text before the last backslash, every "<root>\" removed
    std::string valueName; // text after the last backslash
    // Only these two roots are read; a text without backslash reads nothing.
    bool Readable() const;
};

RegistryLocation SplitRegistryLocation(const std::string& a28);

// Where a previous installation registered itself.
std::string UninstallKeyFor(const std::string& productCode);

constexpr const char* kPreviousVersionMissing = "Sorry, previous version not found. Installation aborted.";

}  // namespace qx
