#include "setup/controller/folder_rules.h"

#include "setup/controller/token_expansion.h"

#include <cstdio>

namespace qx {

std::string WithTrailingBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + "\\";
}

std::string CurrentDriveOf(const std::string& packageFolder) {
    std::size_t slash = packageFolder.find('\\');
    return packageFolder.substr(0, slash) + "\\";
}

std::string ThemeFileDestination(const std::string& themeFolder, const std::string& fileName) {
    std::string dest = themeFolder + fileName;
    ReplaceAll(dest, "^!", "");
    return dest;
}

std::string WorkFolderName(int hour, int minute, int second) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "qx%02d%02d%02d", hour % 100, minute % 100, second % 100);
    return buf;
}

std::string FileNamePart(const std::string& path) {
    std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveResourceText(const std::string& text, bool resourcesInPayload,
                                const std::string& workFolderName, const std::string& packageFolder) {
    const std::string token = "<ResourceDir>";
    if (text.find(token) == std::string::npos) return text;
    std::string rest = text;
    ReplaceAll(rest, token, "");
    if (resourcesInPayload) return "<TempFolder>\\" + workFolderName + "\\" + rest;  // caller expands
    return packageFolder + "DiskImage1" + rest;
}

}  // namespace qx
