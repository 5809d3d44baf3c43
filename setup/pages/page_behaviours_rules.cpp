#include "setup/pages/page_behaviours_rules.h"

#include <cctype>

namespace qx::pages {

std::string BuildReadySummary(const ReadySummaryValues& v) {
    std::string text = "\r\nSetup Type:\r\n\r\n";
    switch (v.setupType) {
        case 0: text += "Typical\r\n\r\n"; break;
        case 1: text += "Minimal\r\n\r\n"; break;
        case 2: text += "Custom\r\n\r\n"; break;
        default: break;
    }
    text += "Destination Folder:\r\n\r\n" + v.installDir + "\r\n\r\n";
    text += "User Information:\r\n\r\n";
    if (!v.userName.empty()) text += "Name:" + v.userName + "\r\n\r\n";
    if (!v.organisation.empty()) text += "Company:" + v.organisation + "\r\n\r\n";
    return text;
}

int NormalisedSetupType(int type) { return type == 1 || type == 2 ? type : 0; }

bool IsRichTextPath(const std::string& path) {
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(".rtf") != std::string::npos;
}

std::string FileNamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

RegistryRootName ParseRegistryRoot(const std::string& name) {
    if (name == "HKEY_CLASSES_ROOT") return RegistryRootName::ClassesRoot;
    if (name == "HKEY_CURRENT_USER") return RegistryRootName::CurrentUser;
    if (name == "HKEY_LOCAL_MACHINE") return RegistryRootName::LocalMachine;
    if (name == "HKEY_USERS") return RegistryRootName::Users;
    if (name == "HKEY_CURRENT_CONFIG") return RegistryRootName::CurrentConfig;
    return RegistryRootName::None;
}

}  // namespace qx::pages
