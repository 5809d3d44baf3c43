#include "trombela/file_dialogs_win.h"

#include "trombela/text_1250_win.h"

#include <commdlg.h>

#include <vector>

namespace trombela {

std::wstring DialogFilter(const std::string& cp1250_filter) {
    std::wstring out = Widen(cp1250_filter);
    for (auto& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

std::string BareExtension(const std::string& default_ext) {
    std::size_t start = 0;
    while (start < default_ext.size() && (default_ext[start] == '*' || default_ext[start] == '.')) ++start;
    return default_ext.substr(start);
}

FileDialog::FileDialog(Kind kind, std::string filter, std::string default_ext)
    : kind_(kind), filter_(std::move(filter)), default_ext_(std::move(default_ext)) {}

bool FileDialog::Execute(HWND owner) {
    // Long enough for any path the system accepts.
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring filter = DialogFilter(filter_);
    const std::wstring ext = Widen(BareExtension(default_ext_));
    const std::wstring dir = Widen(InitialDir);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = DWORD(name.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (kind_ == kSave && OverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL ok = kind_ == kSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    FileName = Narrow(name.data());
    return true;
}

}  // namespace trombela
