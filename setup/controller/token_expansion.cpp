#include "setup/controller/token_expansion.h"

namespace qx {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

std::string ExpandTokens(const std::string& text, const TokenValues& v, const ScriptVariables& variables) {
    // Square brackets are accepted as angle brackets only in texts that already
    // hold an angle bracket, so plain texts with brackets keep them.
    if (text.find('<') == std::string::npos && text.find('>') == std::string::npos) return text;
    std::string out = text;
    for (char& c : out) {
        if (c == '[') c = '<';
        else if (c == ']') c = '>';
    }
    const std::pair<const char*, const std::string*> table[] = {
        {"<ProgramFilesFolder>", &v.programFiles}, {"<SystemFolder>", &v.systemFolder},
        {"<WindowsFolder>", &v.windowsFolder},     {"<CommonFilesFolder>", &v.commonFiles},
        {"<WindowsVolume>", &v.windowsVolume},     {"<FavoritesFolder>", &v.favorites},
        {"<PersonalFolder>", &v.personal},         {"<MyPicturesFolder>", &v.pictures},
        {"<TempFolder>", &v.tempFolder},           {"<SendToFolder>", &v.sendTo},
        {"<FontsFolder>", &v.fonts},               {"<AppDataFolder>", &v.appData},
        {"<ProductName>", &v.productName},         {"<CurrentDrive>", &v.currentDrive},
        {"<CurrentDirectory>", &v.currentDirectory}, {"<InstallDir>", &v.installDir},
        {"<Install Dir>", &v.installDir},          {"<ProductCode>", &v.productCode},
        {"<USERNAME>", &v.userName},               {"<UserName>", &v.userName},
        {"<CompanyName>", &v.companyName},         {"<Publisher>", &v.publisher},
        {"<ProductVersion>", &v.productVersion},
    };
    for (const auto& entry : table) ReplaceAll(out, entry.first, *entry.second);
    for (const auto& var : variables)
        if (!var.first.empty() && out.find(var.first) != std::string::npos) ReplaceAll(out, var.first, var.second);
    // Joining a folder with backslash and a part starting with one doubles it.
    std::string single;
    single.reserve(out.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        single += out[i];
        if (out[i] == '\\' && i + 1 < out.size() && out[i + 1] == '\\') ++i;
    }
    return single;
}

}  // namespace qx
