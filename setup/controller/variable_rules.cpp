#include "setup/controller/variable_rules.h"

#include "setup/base/table_limits.h"

namespace qx {

VariableSource VariableSourceFromText(const std::string& text) {
    if (text == "Nowhere") return VariableSource::Nowhere;
    if (text == "Registry") return VariableSource::Registry;
    if (text == "INI Files") return VariableSource::IniFiles;
    if (text == "Find File/Folder") return VariableSource::FindFile;
    if (text == "Retrive from Web") return VariableSource::Web;
    if (text == "Find Window") return VariableSource::FindWindow;
    return VariableSource::Unknown;
}

VariableKeys ReadVariableKeys(const KeyValueReader& script, int k) {
    const std::string n = std::to_string(k);
    auto key = [&](const char* letter) { return script.Read("VARIABLES", letter + n, kShortValueBuffer); };
    VariableKeys v;
    v.name = key("A");
    v.defaultValue = key("B");
    v.engineText = key("C");
    v.source = key("D");
    v.root = key("E");
    v.keyPath = key("F");
    v.valueName = key("G");
    v.iniPath = key("H");
    v.iniSection = key("I");
    v.iniKey = key("J");
    v.findPath = key("L");
    v.m = key("M");
    v.n = key("N");
    v.url = key("O");
    v.windowClass = key("P");
    v.windowTitle = key("Q");
    return v;
}

int VariableTotal(const KeyValueReader& script) {
    return LeadingNumber(script.Read("VARIABLES", "TOTAL", kShortValueBuffer));
}

std::string ValueOrDefault(const std::string& result, const std::string& defaultValue) {
    return result.empty() ? defaultValue : result;
}

std::string TrueFalse(bool found) { return found ? "TRUE" : "FALSE"; }

bool VariableTable::Add(const std::string& name, const std::string& engineText, const std::string& value) {
    if (Count() >= kMaxVariables) return false;
    entries.emplace_back(name, value);
    engineTexts.push_back(engineText);
    return true;
}

RegistryRoot RegistryRootFromName(const std::string& name) {
    if (name == "HKEY_CLASSES_ROOT") return RegistryRoot::ClassesRoot;
    if (name == "HKEY_CURRENT_USER") return RegistryRoot::CurrentUser;
    if (name == "HKEY_LOCAL_MACHINE") return RegistryRoot::LocalMachine;
    if (name == "HKEY_USERS") return RegistryRoot::Users;
    if (name == "HKEY_CURRENT_CONFIG") return RegistryRoot::CurrentConfig;
    return RegistryRoot::None;
}

WebAddress SplitWebAddress(const std::string& address) {
    std::string rest = address;
    ReplaceAll(rest, "http://", "");
    WebAddress web;
    const std::size_t slash = rest.find('/');
    web.host = rest.substr(0, slash);
    web.path = slash == std::string::npos ? "/" : rest.substr(slash);
    return web;
}

std::string CutToContentLength(const std::string& body, long long contentLength) {
    if (contentLength < 0 || static_cast<unsigned long long>(contentLength) >= body.size()) return body;
    return body.substr(0, static_cast<std::size_t>(contentLength));
}

}  // namespace qx
