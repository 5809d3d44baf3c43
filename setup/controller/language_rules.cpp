#include "setup/controller/language_rules.h"

#include "setup/base/table_limits.h"

#include <algorithm>
#include <cctype>

namespace qx {

namespace {

struct LanguageId {
    int id;
    const char* name;
};

constexpr LanguageId kLanguageIds[] = {
    {1033, "English"}, {1046, "Portuguese"}, {1050, "Croatian"}, {1030, "Danish"},
    {2067, "Dutch"},   {1031, "German"},     {1040, "Italian"},  {1045, "Polish"},
    {3098, "Serbian"}, {1034, "Spanish"},    {1053, "Swedish"},  {1055, "Turkish"},
};

struct ControlKey {
    const char* idName;
    const char* key;
    bool fromValueSection;
};

struct LayoutKeys {
    const char* layout;
    const char* section;
    std::vector<ControlKey> controls;
};

const std::vector<LayoutKeys>& LayoutTable() {
    static const std::vector<LayoutKeys> table = {
        {"welcome.lcd", "InstallWelcome",
         {{"IDCANCEL", "0", false}, {"IDC_BACK", "1", false}, {"IDC_NEXT", "2", false},
          {"IDC_STATIC1", "3", false}, {"IDC_STATIC2", "4", false}, {"IDC_STATIC3", "5", false}}},
        {"license.lcd", "LicenseAgreement",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_NEXT", "6", false},
          {"IDC_ACCEPTLICENSE", "1", true}, {"IDC_NOTACCEPTLICENSE", "0", true}}},
        {"readme.lcd", "ReadmeInformation",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_NEXT", "6", false}}},
        {"customer.lcd", "CustomerInformation",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_NEXT", "6", false},
          {"IDC_STATIC1", "7", false}, {"IDC_STATIC2", "8", false}, {"IDC_STATIC3", "9", false},
          {"IDC_STATIC4", "10", false}, {"IDC_ANYONE", "8", true}, {"IDC_ONLYFORME", "9", true}}},
        {"destination.lcd", "DestinationFolder",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_NEXT", "6", false},
          {"IDC_BROWSE", "7", false}, {"IDC_STATIC1", "8", false}}},
        {"setuptype.lcd", "SetupType",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_STATIC1", "6", false},
          {"IDC_NEXT", "7", false}, {"IDC_STATIC2", "8", false}, {"IDC_STATIC4", "9", false},
          {"IDC_STATIC3", "10", false}, {"IDC_TYPICAL", "2", true}, {"IDC_MINIMAL", "3", true},
          {"IDC_CUSTOM", "4", true}}},
        {"customsetup.lcd", "CustomSetup",
         {{"IDCANCEL", "2", false}, {"IDC_QXFRAME", "4", false}, {"IDC_SUBTITLE", "5", false},
          {"IDC_TITLE", "6", false}, {"IDC_BACK", "7", false}, {"IDC_STATIC1", "8", false},
          {"IDC_NEXT", "9", false}, {"IDC_BROWSE", "11", false}, {"IDC_GROUPBOX1", "13", false}}},
        {"ready.lcd", "ReadyToInstall",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_NEXT", "5", false}, {"IDC_BACK", "6", false},
          {"IDC_STATIC1", "9", false}, {"IDC_STATIC2", "16", false}}},
        {"progress.lcd", "SetupProgress",
         {{"IDCANCEL", "0", false}, {"IDC_QXFRAME", "2", false}, {"IDC_SUBTITLE", "3", false},
          {"IDC_TITLE", "4", false}, {"IDC_BACK", "5", false}, {"IDC_STATIC1", "6", false},
          {"IDC_NEXT", "7", false}, {"IDC_STATIC2", "11", false}}},
        {"complete.lcd", "SetupCompleteSuccess",
         {{"IDCANCEL", "0", false}, {"IDC_NEXT", "1", false}, {"IDC_BACK", "2", false},
          {"IDC_INSTALLSTATUS", "4", false}, {"IDC_LAUNCHREADME", "6", false}, {"IDC_LAUNCHFILE", "7", false}}},
        {"setuperror.lcd", "SetupError",
         {{"IDYES", "0", false}, {"IDNO", "1", false}, {"IDCANCEL", "2", false}, {"IDOK", "3", false},
          {"IDABORT", "4", false}, {"IDIGNORE", "5", false}, {"IDRETRY", "6", false}}},
        {"cancelsetup.lcd", "CancelSetup",
         {{"IDC_STATIC1", "0", false}, {"IDNO", "1", false}, {"IDYES", "2", false}}},
        {"uninstall.lcd", "SetupProgress", {{"IDYES", "0", false}, {"IDC_STATIC1", "12", false}}},
        {"start.lcd", "SETUP", {{"IDC_STATIC1", "0", false}, {"IDCANCEL", "1", false}}},
    };
    return table;
}

}  // namespace

std::string LanguageNameForId(int id) {
    for (const auto& l : kLanguageIds)
        if (l.id == id) return l.name;
    return std::string();
}

std::string LanguageFileLocation(const std::string& packageFolder, const std::string& name,
                                 bool languagesFolderExists) {
    return packageFolder + (languagesFolderExists ? "languages\\" : "") + name + ".lan";
}

std::string LanguageListText(std::vector<std::string> fileNames) {
    auto lower = [](std::string t) {
        for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    std::vector<std::string> names;
    for (const auto& file : fileNames) {
        if (file.size() <= 4 || lower(file.substr(file.size() - 4)) != ".lan") continue;
        if (lower(file) == "language.lan") continue;
        names.push_back(file.substr(0, file.size() - 4));
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const auto& n : names) text += n + "\r\n";
    return text;
}

const std::vector<std::string>& StandardLayouts() {
    static const std::vector<std::string> layouts = [] {
        std::vector<std::string> names;
        for (const auto& l : LayoutTable()) names.push_back(l.layout);
        return names;
    }();
    return layouts;
}

LanguageKey LanguageKeyFor(const std::string& layout, const std::string& idName) {
    for (const auto& l : LayoutTable()) {
        if (layout != l.layout) continue;
        for (const auto& c : l.controls)
            if (idName == c.idName) return {c.fromValueSection ? "Value" : l.section, c.key};
    }
    return {};
}

std::string LayoutPropertyKey(int control, int position) {
    return (control <= 9 ? "300" : "30") + std::to_string(control) + "," + std::to_string(position);
}

std::string IdNameOfProperty(const std::string& property) {
    const std::size_t first = property.find('|');
    if (first == std::string::npos) return std::string();
    const std::size_t second = property.find('|', first + 1);
    return property.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

std::string CaptionFromLanguageText(const std::string& value) {
    const std::size_t brace = value.find('}');
    std::string text = brace == std::string::npos ? value : value.substr(brace + 1);
    for (char& c : text) {
        if (c == '[') c = '<';
        else if (c == ']') c = '>';
    }
    return "Caption|" + text + "|0";
}

std::vector<std::pair<std::string, std::string>> LanguageCaptionsFor(const std::string& layout,
                                                                     const KeyValueReader& layoutFile,
                                                                     const KeyValueReader& languageFile) {
    std::vector<std::pair<std::string, std::string>> writes;
    const int total = LeadingNumber(layoutFile.Read("INFO", "TOTAL", kShortValueBuffer));
    for (int i = 0; i < total && i < kMaxLanguageControls; ++i) {
        const std::string idName = IdNameOfProperty(layoutFile.Read("DADOS", LayoutPropertyKey(i, 0)));
        const LanguageKey key = LanguageKeyFor(layout, idName);
        if (key.section.empty()) continue;
        writes.emplace_back(LayoutPropertyKey(i, 1), CaptionFromLanguageText(languageFile.Read(key.section, key.key)));
    }
    return writes;
}

}  // namespace qx
