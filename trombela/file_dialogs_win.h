// The common open and save dialogs, set up the way the window's dialogs are
// described: a "Name|*.ext" filter, a default extension, an initial folder.
#pragma once
#include <windows.h>

#include <string>

namespace trombela {

class FileDialog {
public:
    enum Kind { kOpen, kSave };
    FileDialog(Kind kind, std::string filter, std::string default_ext);

    std::string InitialDir;
    // Save dialogs: ask before replacing a file; both: no read-only box.
    bool OverwritePrompt = false;
    std::string FileName;  // the chosen file, full path, after Execute

    // False when the user cancels.
    bool Execute(HWND owner);

private:
    Kind kind_;
    std::string filter_;
    std::string default_ext_;
};

// "Pliki profilów|*.pro" -> L"Pliki profilów\0*.pro\0\0", the form the
// common dialogs expect.
std::wstring DialogFilter(const std::string& cp1250_filter);
// "*.pro" -> "pro": the dialogs want the extension alone.
std::string BareExtension(const std::string& default_ext);

}  // namespace trombela
