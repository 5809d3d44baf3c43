#include "setup/dialogs/dialog_texts.h"

#include "setup/controller/globals.h"

namespace qx {

namespace {
std::function<std::string(const std::string&)>& Expander() {
    static std::function<std::string(const std::string&)> expander;
    return expander;
}
}  // namespace

void SetDialogTextExpander(std::function<std::string(const std::string&)> expander) {
    Expander() = std::move(expander);
}

std::string LanguageText(const char* section, const char* key) {
    char buf[255] = "";
    DWORD n = GetPrivateProfileStringA(section, key, "", buf, sizeof buf, g_LanguageFile.c_str());
    return std::string(buf, n);
}

std::string TurnBracketsAndExpand(const std::string& text) {
    std::string turned = text;
    for (char& c : turned) {
        if (c == '[') c = '<';
        else if (c == ']') c = '>';
    }
    return Expander() ? Expander()(turned) : turned;
}

}  // namespace qx
