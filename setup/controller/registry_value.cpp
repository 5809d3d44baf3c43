#include "setup/controller/registry_value.h"

#include "setup/base/unique_handle.h"
#include "setup/controller/system_folders.h"
#include "setup/controller/variable_rules.h"

#include <vector>

namespace qx {

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users: return HKEY_USERS;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::None: break;
    }
    return nullptr;
}

}  // namespace

std::string ReadRegistryText(const std::string& rootName, const std::string& keyPath, const std::string& valueName) {
    const RegistryRoot root = RegistryRootFromName(rootName);
    if (root == RegistryRoot::None) return std::string();
    if (root == RegistryRoot::LocalMachine) return ReadMachineValue(keyPath.c_str(), valueName.c_str());
    HKEY raw = nullptr;
    if (RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return std::string();
    unique_hkey key(raw);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::string();
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return std::string();
    std::vector<char> buf(size + 1, '\0');
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) !=
        ERROR_SUCCESS)
        return std::string();
    return std::string(buf.data());
}

}  // namespace qx
