#include "setup/controller/install_mode_rules.h"

#include "setup/controller/token_expansion.h"

namespace qx {

InstallMode DecideInstallMode(const std::string& a26, const std::string& a27) {
    if (a26 == "New Installation") return InstallMode::NewInstallation;
    if (a26 == "Upgrade") return a27 == "Auto-Detect" ? InstallMode::UpgradeAutoDetect : InstallMode::UpgradeFromRegistry;
    return InstallMode::Other;
}

bool RegistryLocation::Readable() const {
    return (root == "HKEY_LOCAL_MACHINE" || root == "HKEY_CURRENT_USER");
}

RegistryLocation SplitRegistryLocation(const std::string& a28) {
    RegistryLocation loc;
    const std::size_t first = a28.find('\\');
    if (first == std::string::npos) return loc;
    const std::size_t last = a28.rfind('\\');
    loc.root = a28.substr(0, first);
    loc.valueName = a28.substr(last + 1);
    loc.keyPath = a28.substr(0, last);
    ReplaceAll(loc.keyPath, loc.root + "\\", "");
    return loc;
}

std::string UninstallKeyFor(const std::string& productCode) {
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + productCode;
}

}  // namespace qx
