#include "setup/controller/language_layouts.h"

#include "setup/base/file_system.h"
#include "setup/base/profile_reader.h"
#include "setup/base/unique_handle.h"
#include "setup/controller/language_rules.h"

#include <windows.h>

#include <vector>

namespace qx {

int GetUiLanguage() {
    unique_module kernel(LoadLibraryA("KERNEL32.DLL"));
    if (!kernel) return 0;
    using Function = LANGID(WINAPI*)();
    auto function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(kernel.get(), "GetSystemDefaultUILanguage")));
    return function ? static_cast<int>(function()) : 0;
}

bool ApplyLanguageToLayouts(const std::string& themeFolder, const std::string& languageFile) {
    if (!FileExists(languageFile)) return false;
    const ProfileReader language(languageFile);
    for (const std::string& layout : StandardLayouts()) {
        const std::string path = themeFolder + layout;
        if (!FileExists(path)) continue;
        for (const auto& write : LanguageCaptionsFor(layout, ProfileReader(path), language))
            WritePrivateProfileStringA("DADOS", write.first.c_str(), write.second.c_str(), path.c_str());
    }
    return true;
}

bool WriteLanguageList(const std::string& packageFolder, const std::string& workFolder) {
    const std::string folder = FolderExists(packageFolder + "languages") ? packageFolder + "languages\\" : packageFolder;
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE raw = FindFirstFileA((folder + "*.lan").c_str(), &found);
    if (raw != INVALID_HANDLE_VALUE) {
        unique_find_handle search(raw);
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(found.cFileName);
        } while (FindNextFileA(search.get(), &found));
    }
    const std::string text = LanguageListText(files);
    unique_file_handle file(CreateFileA((workFolder + kLanguageListFile).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

std::string LanguageFileFor(const std::string& packageFolder, const std::string& name) {
    return LanguageFileLocation(packageFolder, name, FolderExists(packageFolder + "languages"));
}

}  // namespace qx
