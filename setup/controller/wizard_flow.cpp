// The page sequence: reading the list, moving forwards and backwards, the
// Complete page, and the commands the pages report.
#include "setup/base/key_value_reader.h"
#include "setup/controller/feature_table.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/token_expansion.h"
#include "setup/dialogs/trace.h"
#include "setup/pages/page_window.h"

namespace qx {

namespace {
constexpr int kOutsideListIndex = -1;
constexpr int kOutsideListCount = 50;
}  // namespace

void CMainFrame::ReadPageList() {
    m_PageCount = 0;
    int n = LeadingNumber(ReadScript("DIALOGLIST", "TOTAL1"));
    // The list holds 20 pages; a longer list keeps its first 20.
    for (int k = 0; k < n && k < kMaxPages; ++k) {
        m_PageNames[k] = ReadScript("DIALOGLIST", ("W" + std::to_string(k)).c_str());
        ++m_PageCount;
    }
}

const std::string& CMainFrame::PageNameAt(int index) const {
    // Next on the last page of a full list reads the entry past its end: empty.
    static const std::string empty;
    if (index < 0 || index >= kMaxPages) return empty;
    return m_PageNames[index];
}

void CMainFrame::ReadFeatures() {
    int n = LeadingNumber(ReadScript("SETUPTYPE", "TOTAL"));
    for (int k = 0; k < n; ++k)
        if (!AddFeature(ReadScript("SETUPTYPE", ("FeatureName" + std::to_string(k)).c_str()))) break;
}

void CMainFrame::ReadSetupTypeKeys() {
    int n = LeadingNumber(ReadScript("SETUPTYPEKEYS", "TOTAL"));
    for (int k = 0; k < n; ++k) {
        std::string value = ReadScript("SETUPTYPEKEYS", std::to_string(k).c_str());
        if (value.find("Minimal") == std::string::npos) continue;
        ReplaceAll(value, "Setup Types\\Minimal", "");
        ReplaceAll(value, "\\", "");
        g_MinimalFeatureList += value + ";";
    }
}

void CMainFrame::EnterPage() {
    const std::string page = m_PageIndex == -1 ? std::string("start.lcd") : PageNameAt(m_PageIndex);
    RunFileActionsFor(page);
    if (!page.empty()) RunConditionsFor(page);
}

void CMainFrame::ShowNextPage() {
    if (m_bClosing == kFlagOn || g_RunFinished == kFlagOn) return;
    if ((m_SetupType == 0 || m_SetupType == 1) && PageNameAt(m_PageIndex) == "setuptype.lcd")
        m_PageIndex += 2;
    else
        m_PageIndex += 1;
    EnterPage();
    if (g_RunFinished == kFlagOn) return;
    if (g_SilentMode == kFlagOn) {
        g_SilentMode = kSilentPageShown;
        OpenPage("progress.lcd", kOutsideListIndex, kOutsideListCount, SW_HIDE);
        return;
    }
    Trace("HERE NO SHOW NEXT DIALOG");
    Trace(m_Folders.theme);
    OpenPage(PageNameAt(m_PageIndex), m_PageIndex, m_PageCount, SW_SHOWNORMAL);
    Trace("SAINDO");
    if (m_PageIndex == m_PageCount && PageNameAt(m_PageIndex) != "complete.lcd") RunFinishActions();
}

void CMainFrame::ShowPreviousPage() {
    m_PageIndex -= 1;
    if ((m_SetupType == 0 || m_SetupType == 1) && m_PageIndex >= 0 && PageNameAt(m_PageIndex) == "customsetup.lcd")
        m_PageIndex -= 1;
    if (m_PageIndex < 0) m_PageIndex = 0;
    OpenPage(PageNameAt(m_PageIndex), m_PageIndex, m_PageCount, SW_SHOWNORMAL);
}

void CMainFrame::ShowCompletePage() {
    m_PageIndex += 1;
    OpenPage("complete.lcd", m_PageCount, m_PageCount, SW_SHOWNORMAL);
}

void CMainFrame::GoToComplete() {
    m_bClosing = kFlagOn;
    g_RunFinished = kFlagOn;
    ClosePage(m_pCurrentPage);
    ShowCompletePage();
}

void CMainFrame::OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                               pages::CImageWindow* page, const std::string& layoutName) {
    if (commandId == "IDC_FINISH") {
        RunFinishActions();
        return;
    }
    if (m_bClosing == kFlagOn) return;
    if (commandId == "IDYES" || commandId == "IDNO") return;
    if (commandId == "IDC_BACK" || code == 2) {
        ShowPreviousPage();
    } else if (commandId == "IDC_NEXT" || code == 1) {
        if (g_RunFinished == kFlagOn) ShowCompletePage();
        else ShowNextPage();
    }
}

int CMainFrame::StartInstallation() {
    if (m_ProductName == "Halvex" && m_Folders.programFilesFromEnvironment) {
        m_InstallDir = "C:\\Halvex";
        g_InstallDir = m_InstallDir;
    }
    m_InstallDir = g_InstallDir;
    RunEngine();
    Trace("f1");
    if (g_RunFinished == kFlagOn) {
        ShowCompletePage();
        return 0;
    }
    Trace("f2");
    if (g_MergeModulesPending == kFlagOn) {
        OpenPage("3rdparty.lcd", kOutsideListIndex, kOutsideListCount, SW_SHOWNORMAL);
        SetTimer(Hwnd(), kTimerMergeModules, 1000, nullptr);
        g_MergeModulesPending = 0;
        return 1;
    }
    Trace("f3");
    if (g_SilentMode == kSilentPageShown) RunFinishActions();
    Trace("f4");
    ShowNextPage();
    Trace("f5");
    return 1;
}

}  // namespace qx
