// Script variables: each value is worked out once at start from its source.
#include "setup/base/file_system.h"
#include "setup/base/profile_reader.h"
#include "setup/base/unique_handle.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/registry_value.h"
#include "setup/controller/variable_rules.h"
#include "setup/controller/web_variable.h"
#include "setup/dialogs/msg_box.h"
#include "setup/dialogs/trace.h"

namespace qx {

namespace {

bool FileSystemHas(std::string pattern) {
    // A folder written with its final backslash is still a folder.
    while (pattern.size() > 3 && pattern.back() == '\\') pattern.pop_back();
    if (pattern.empty()) return false;
    WIN32_FIND_DATAA found;
    unique_find_handle search(FindFirstFileA(pattern.c_str(), &found));
    return static_cast<bool>(search);
}

}  // namespace

std::string CMainFrame::EvaluateVariable(int k, CWait& wait, bool& waitShown) {
    const VariableKeys v = ReadVariableKeys(ProfileReader(g_ScriptPath), k);
    const VariableSource source = VariableSourceFromText(v.source);
    if ((source == VariableSource::FindFile || source == VariableSource::Web) && !waitShown)
        waitShown = wait.Create(Hwnd());

    switch (source) {
    case VariableSource::Nowhere:
        return v.defaultValue;
    case VariableSource::Registry:
        return ValueOrDefault(ReadRegistryText(v.root, v.keyPath, v.valueName), v.defaultValue);
    case VariableSource::IniFiles: {
        const std::string path = ExpandTokens(v.iniPath);
        if (!FileExists(path)) return v.defaultValue;
        return ValueOrDefault(ProfileReader(path).Read(v.iniSection, v.iniKey), v.defaultValue);
    }
    case VariableSource::FindFile:
        return TrueFalse(FileSystemHas(ExpandTokens(v.findPath)));
    case VariableSource::Web:
        return ValueOrDefault(FetchWebTextResponsive(ExpandTokens(v.url)), v.defaultValue);
    case VariableSource::FindWindow: {
        const std::string cls = v.windowClass.empty() ? v.windowClass : ExpandTokens(v.windowClass);
        const std::string title = v.windowTitle.empty() ? v.windowTitle : ExpandTokens(v.windowTitle);
        return TrueFalse(FindWindowA(cls.c_str(), title.c_str()) != nullptr);
    }
    case VariableSource::Unknown:
        break;
    }
    // A source name the installer does not know gives no value at all.
    return std::string();
}

void CMainFrame::ReadVariables() {
    const int total = VariableTotal(ProfileReader(g_ScriptPath));
    if (total <= 0) return;
    CWait wait;
    bool waitShown = false;
    // Filled as it goes: a later variable's texts may name an earlier one.
    VariableTable table;
    m_Variables.clear();
    m_VariableEngineTexts.clear();
    for (int k = 0; k < total && k < kMaxVariables; ++k) {
        const VariableKeys keys = ReadVariableKeys(ProfileReader(g_ScriptPath), k);
        const std::string value = EvaluateVariable(k, wait, waitShown);
        table.Add(keys.name, keys.engineText, value);
        m_Variables = table.entries;
        m_VariableEngineTexts = table.engineTexts;
        // Lets a monitor see what each variable became.
        Trace("VAR " + keys.name + "=" + value);
    }
    if (waitShown) wait.Close();
}

}  // namespace qx
