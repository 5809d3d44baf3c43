// What happens after Finish: finish-time actions, the launch options, the
// restart question, removal of the work folder and the orderly close.
#include "setup/base/file_system.h"
#include "setup/controller/folder_rules.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/system_folders.h"
#include "setup/dialogs/cancel_setup.h"
#include "setup/dialogs/trace.h"

#include <shellapi.h>

namespace qx {

namespace {

const char* kAfterFinish = "After Click Finish Button";

}  // namespace

void CMainFrame::RunFinishActions() {
    if (m_ProductName == "Halvex") {
        std::string marker = WithTrailingBackslash(TempPathText()) + "firstrun.ini";
        if (FileExists(marker))
            ShellExecuteA(nullptr, nullptr, (g_InstallDir + "Zantoria.exe").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    RunFileActionsFor(kAfterFinish);
    if (g_SilentMode == kSilentPageShown) RunEveryFileAction();
    RunConditionsFor(kAfterFinish);

    m_CT10 = ExpandTokens(m_CT10);
    m_CT11 = ExpandTokens(m_CT11);
    if (m_bLaunchFile == kFlagOn && FileExists(m_CT10)) {
        // The product starts in its own folder, as from its shortcut.
        std::string folder = m_CT10.substr(0, m_CT10.rfind('\\') + 1);
        SetCurrentDirectoryA(folder.c_str());
        ShellExecuteA(nullptr, nullptr, m_CT10.c_str(), m_CT11.c_str(), nullptr, SW_SHOWNORMAL);
    }
    if (m_bLaunchReadme == kFlagOn && FileExists(m_CT13))
        ShellExecuteA(nullptr, nullptr, m_CT13.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (g_RunFinished != kFlagOn && m_bAskRestart == kFlagOn) {
        CCancelSetup question;
        question.m_Mode = kYesNoQuestion;
        question.m_Message = ExpandTokens(
            "You must restart your system for the configuration changes made to <ProductName> to take effect. "
            "Click Yes to restart now or No if you plan to restart later.");
        if (question.DoModal(Hwnd()) == IDOK && !RestartComputer())
            MessageBoxA(Hwnd(), "Can't restart! Please restart manually your computer!", "", MB_OK);
    }
    Trace("z1");
    if (g_FileActionsPending == kFlagOn) {
        g_FileActionsPending = 0;
        RemoveWorkFolder();
    }
    Trace("z2");
    SetTimer(Hwnd(), kTimerClose, 400, nullptr);
}

void CMainFrame::RemoveWorkFolder() {
    if (g_FileActionsPending == kFlagOn || g_MergeModulesPending == kFlagOn) return;
    std::string folder = ExpandTokens("<TempFolder>\\" + g_WorkFolderName);
    DWORD a = GetFileAttributesA(folder.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) return;
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    if (_strnicmp(current, folder.c_str(), folder.size()) == 0) SetCurrentDirectoryA(g_PackageFolder.c_str());
    // The shell wants a list ending in two zeros.
    std::string from = folder;
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

bool CMainFrame::RestartComputer() { return ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0) != FALSE; }

}  // namespace qx
