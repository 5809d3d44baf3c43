// Start-up and flow steps whose behaviour has not been built yet. Each one
// takes the neutral path (nothing refused, nothing read, nothing shown) so the
// start sequence around it runs in full; none of them claims to have done work.
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"

#include <shellapi.h>

namespace qx {

void CMainFrame::DetermineOsName() {}
bool CMainFrame::SelectLanguage() { return false; }
bool CMainFrame::OpenSplash() { return false; }
bool CMainFrame::CheckRequirements() { return true; }
bool CMainFrame::CheckRights() { return true; }
void CMainFrame::ReadConditions() {}
bool CMainFrame::CheckInstallMode() { return true; }
void CMainFrame::ReadPageList() {}
void CMainFrame::ReadFileActions() {}
void CMainFrame::ReadFeatures() {}
void CMainFrame::ReadSetupTypeKeys() {}
void CMainFrame::EnterPage() {}
void CMainFrame::RunFileActionsFor(const std::string&) {}
void CMainFrame::RunConditionsFor(const std::string&) {}
void CMainFrame::ReadBillboards() {}
void CMainFrame::ReadVariables() {}
void CMainFrame::DecideMergeModules() {}
void CMainFrame::InstallMergeModules() {}
void CMainFrame::ShowNextPage() {}
void CMainFrame::OnPageCommand(int, int, int, const std::string&, HWND, const std::string&) {}
int CMainFrame::StartInstallation() { return 0; }
void CMainFrame::ApplyLanguage(const std::string&) {}
void CMainFrame::GoToComplete() { g_RunFinished = kFlagOn; }

// Without cabinet support there is nothing to extract when the package has no
// cabinet; a package that has one cannot be unpacked yet, which must not pass
// for success.
bool CMainFrame::ExtractCabinetPayload() {
    DWORD attr = GetFileAttributesA((g_PackageFolder + "file1.cab").c_str());
    return attr == INVALID_FILE_ATTRIBUTES;
}

}  // namespace qx
