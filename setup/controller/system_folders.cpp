#include "setup/controller/system_folders.h"

#include "setup/base/unique_handle.h"

#include <shlobj.h>

namespace qx {

namespace {

// The API reports the length it needs when the buffer is too small.
std::string Fitting(const char* buffer, unsigned length) {
    if (length == 0 || length >= kFolderBuffer) return std::string();
    return std::string(buffer, length);
}

}  // namespace

std::string WindowsDirectoryText() {
    char buf[kFolderBuffer];
    return Fitting(buf, GetWindowsDirectoryA(buf, kFolderBuffer));
}

std::string SystemDirectoryText() {
    char buf[kFolderBuffer];
    return Fitting(buf, GetSystemDirectoryA(buf, kFolderBuffer));
}

std::string TempPathText() {
    char buf[kFolderBuffer];
    return Fitting(buf, GetTempPathA(kFolderBuffer, buf));
}

std::string CurrentDirectoryText() {
    char buf[kFolderBuffer];
    return Fitting(buf, GetCurrentDirectoryA(kFolderBuffer, buf));
}

std::string ShellFolderText(int csidl) {
    char buf[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, buf, csidl, FALSE)) return std::string();
    std::string path = buf;
    if (path.size() >= kFolderBuffer) return std::string();
    return path;
}

std::string EnvironmentText(const char* name) {
    char buf[kFolderBuffer];
    return Fitting(buf, GetEnvironmentVariableA(name, buf, kFolderBuffer));
}

std::string UserNameText() {
    char buf[kFolderBuffer];
    DWORD size = kFolderBuffer;
    if (!GetUserNameA(buf, &size)) return std::string();
    return buf;
}

std::string ReadMachineValue(const char* subkey, const char* value) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return std::string();
    unique_hkey key(raw);
    char buf[1024];
    DWORD type = 0, size = sizeof buf - 1;
    if (RegQueryValueExA(key.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
        return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string();
    buf[size] = '\0';
    return buf;
}

}  // namespace qx
