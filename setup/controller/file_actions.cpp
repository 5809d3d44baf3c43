// Page-entry file actions: the package's programs, library procedures and
// web pages run when a page is entered or at Finish.
#include "setup/base/profile_reader.h"
#include "setup/controller/file_action_records.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/process_launch.h"


namespace qx {

void CMainFrame::ReadFileActions() {
    int total = 0;
    m_FileActions = ReadFileActionRecords(
        ProfileReader(g_ScriptPath), [this](const std::string& t) { return ExpandTokens(t); },
        [this](const std::string& t) { return ResolveResourcePath(t); }, &total);
    if (total > 0) g_FileActionsPending = kFlagOn;
    m_FileActionCount = static_cast<int>(m_FileActions.size());
}

void CMainFrame::RunFileActionsFor(const std::string& pageName) {
    for (int k = 0; k < m_FileActionCount; ++k)
        if (m_FileActions[static_cast<std::size_t>(k)].page == pageName) RunFileAction(k);
}

void CMainFrame::RunFileAction(int k) {
    if (k < 0 || k >= m_FileActionCount) return;
    FileActionRecord& record = m_FileActions[static_cast<std::size_t>(k)];
    const FileActionPlan plan = PlanFileAction(record, m_OsName);
    if (!plan.run) return;
    // The address opens before the condition is asked, whatever it says.
    if (plan.openWebAddress) ShellOpen(record.target, std::string());
    // Copies: a condition's actions may end the wizard while this runs.
    const std::string target = record.target, parameters = record.parameters;
    if (!CheckCondition(record.condition)) return;
    if (plan.startProgram) {
        if (plan.waitForProgram) StartProgramAndWait(target, parameters);
        else ShellOpen(target, plan.shellWithParameters ? parameters : std::string());
    }
    if (plan.callLibrary) {
        if (CallLibraryProcedure(ExpandTokens(target), parameters, g_InstallDir) == 1) GoToComplete();
    }
}

}  // namespace qx
