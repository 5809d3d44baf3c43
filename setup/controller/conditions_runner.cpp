// The controller's side of conditions: the table is read once at start, and
// a condition that holds carries out its actions here (the engine's copy
// only answers true or false).
#include "setup/base/profile_reader.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"

namespace qx {

void CMainFrame::ReadConditions() { m_Conditions.Read(ProfileReader(g_ScriptPath)); }

bool CMainFrame::EvaluateCondition(int index) {
    if (!m_Conditions.Evaluate(index, [this](const std::string& text) { return ExpandTokens(text); })) return false;
    // A copy: an action may end the wizard, but the table itself stays put.
    const std::vector<std::string> actions = m_Conditions.At(index).actions;
    for (const auto& action : actions) RunActionCommand(action);
    return true;
}

bool CMainFrame::CheckCondition(const std::string& name) {
    const int index = m_Conditions.FindLast(name);
    return index < 0 || EvaluateCondition(index);
}

void CMainFrame::RunConditionsFor(const std::string& pageName) {
    for (int index : m_Conditions.TriggeredBy(pageName)) EvaluateCondition(index);
}

}  // namespace qx
