// Choosing the language at start: asked on a page of its own, taken from the
// system, or left as the layouts were shipped.
#include "setup/controller/globals.h"
#include "setup/controller/language_layouts.h"
#include "setup/controller/language_rules.h"
#include "setup/controller/main_frame.h"

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

// The language page confirms through ApplyLanguage, which starts the wizard.
bool CMainFrame::ShowLanguagePage() {
    OpenPage("askuser.lcd", -1, 50, SW_SHOW);
    return true;
}

}  // namespace qx
