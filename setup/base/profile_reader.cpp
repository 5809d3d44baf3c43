#include "setup/base/profile_reader.h"

#include <windows.h>

namespace qx {

std::string ProfileReader::Read(const std::string& section, const std::string& key, std::size_t buffer) const {
    if (buffer == 0) return std::string();
    std::string value(buffer, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", &value[0],
                                       static_cast<DWORD>(buffer), path_.c_str());
    value.resize(n);
    return value;
}

std::vector<std::string> ProfileReader::Keys(const std::string& section) const {
    std::vector<char> buf(32768);
    DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(),
                                       static_cast<DWORD>(buf.size()), path_.c_str());
    std::vector<std::string> keys;
    for (DWORD i = 0; i < n;) {
        std::string k(&buf[i]);
        if (k.empty()) break;
        i += static_cast<DWORD>(k.size()) + 1;
        keys.push_back(k);
    }
    return keys;
}

}  // namespace qx
