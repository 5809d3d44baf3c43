// Folders and names asked of the system. Each is read into a buffer of 150
// characters: a path that does not fit is not obtained (empty).
#pragma once
#include <string>

namespace qx {

constexpr unsigned kFolderBuffer = 150;

std::string WindowsDirectoryText();
std::string SystemDirectoryText();
std::string TempPathText();
std::string CurrentDirectoryText();
std::string ShellFolderText(int csidl);
std::string EnvironmentText(const char* name);
std::string UserNameText();
// A value under HKEY_LOCAL_MACHINE, read through a key opened with all-access
// rights; a key that cannot be opened so, or an absent value, reads as empty.
std::string ReadMachineValue(const char* subkey, const char* value);

}  // namespace qx
