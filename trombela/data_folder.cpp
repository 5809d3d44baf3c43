#include "trombela/data_folder.h"

namespace trombela {

std::string WithoutTrailingBackslash(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

LocationRecord InitialLocation(const std::string& current_dir) {
    LocationRecord r;
    r.kind = 1;
    r.first = WithoutTrailingBackslash(current_dir).substr(0, kFolderCapacity);
    return r;
}

std::string ResolveDataFolder(const std::string& current_dir, const LocationRecord& location) {
    switch (location.kind) {
    case 1: return WithoutTrailingBackslash(location.first);
    case 2: return WithoutTrailingBackslash(location.second);
    default: return WithoutTrailingBackslash(current_dir);
    }
}

std::string DataFilePath(const std::string& folder, const char* name) { return folder + name; }

}  // namespace trombela
