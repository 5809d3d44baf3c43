// Choosing the language at start: asked on a page of its own, taken from the
// system, or left as the layouts were shipped.
#include "setup/controller/globals.h"
#include "setup/controller/language_layouts.h"
#include "setup/controller/language_rules.h"
#include "setup/controller/main_frame.h"
#include "setup/pages/page_window.h"

namespace qx {

bool CMainFrame::SelectLanguage() {
    const std::string method = ReadScript("APPINFO", "METHOD");
    if (method == "Ask User") return ShowLanguagePage();
    if (method == "Auto-Detect") {
        const int id = GetUiLanguage();
        if (id == 0) return false;
        const std::string file = LanguageFileFor(g_PackageFolder, LanguageNameForId(id));
        ApplyLanguage(file);
        return true;
    }
    return false;
}

void CMainFrame::ApplyLanguage(const std::string& languageFile) {
    // A missing file would empty every mapped caption; the layouts and the
    // language file in force stay as they are instead.
    if (ApplyLanguageToLayouts(ThemeFolder(), languageFile)) g_LanguageFile = languageFile;
    RunStartSequence();
}

// The page's IDC_LANGUAGE combo box offers the list written here when its
// list file is the language list; the package's own language is chosen at
// first, so confirming at once keeps the shipped texts in that language.
bool CMainFrame::ShowLanguagePage() {
    WriteLanguageList(g_PackageFolder, g_WorkFolder);
    OpenPage("askuser.lcd", -1, 50, SW_SHOW);
    if (!m_pCurrentPage) return true;
    HWND list = m_pCurrentPage->ControlHandle(m_pCurrentPage->FindControlByIdName("IDC_LANGUAGE"));
    if (list && SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(m_Language.c_str())) == CB_ERR)
        SendMessageA(list, CB_SETCURSEL, 0, 0);
    return true;
}

// The language page's confirmation: the chosen name's file by the folder rule.
void CMainFrame::OnLanguageChosen(const std::string& languageName) {
    ApplyLanguage(LanguageFileFor(g_PackageFolder, languageName));
}

}  // namespace qx
