// Merge modules: programs and the merge-module package that run after the
// engine, while the 3rdparty page shows; and the silent-mode rerun of every
// file action at the finish.
#include "setup/base/file_system.h"
#include "setup/base/key_value_reader.h"
#include "setup/controller/feature_table.h"
#include "setup/controller/file_action_records.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/process_launch.h"
#include "setup/controller/token_expansion.h"
#include "setup/dialogs/trace.h"
#include "setup/pages/page_window.h"

#include <algorithm>
#include <cctype>

namespace qx {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Waits for the process while the pages, timers and billboards stay alive.
void WaitPumpingMessages(HANDLE process) {
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void RunDetachedAndWait(const std::string& commandLine) {
    std::string line = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, DETACHED_PROCESS | NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &si, &pi))
        return;
    CloseHandle(pi.hThread);
    WaitPumpingMessages(pi.hProcess);
    CloseHandle(pi.hProcess);
}

}  // namespace

void CMainFrame::DecideMergeModules() {
    if (m_ProductName == "Halvex") return;
    if (LeadingNumber(ReadScript("MERGEMODULES", "TOTAL")) != 0) g_MergeModulesPending = kFlagOn;
}

bool CMainFrame::MergeFeaturePasses(std::string feature) const {
    feature.erase(std::remove(feature.begin(), feature.end(), '|'), feature.end());
    if (feature.empty()) return true;
    const FeatureEntry* f = FindFeature(feature);
    return !f || f->state == kFeatureSelected;
}

void CMainFrame::InstallMergeModules() {
    const int n = LeadingNumber(ReadScript("MERGEMODULES", "TOTAL"));
    for (int k = 0; k < n; ++k) {
        const std::string index = std::to_string(k);
        const int mask = LeadingNumber(ReadScript("MERGEMODULES", ("E" + index).c_str()));
        const std::string feature = ReadScript("MERGEMODULES", ("F" + index).c_str());
        std::string condition = ReadScript("MERGEMODULES", ("G" + index).c_str());
        if (condition == "No Condition") condition.clear();
        const bool maskPasses = !OsMaskBlocks(mask, m_OsName);
        const bool featurePasses = MergeFeaturePasses(feature);
        if (maskPasses && featurePasses && CheckCondition(condition)) {
            std::string program = ReadScript("MERGEMODULES", ("C" + index).c_str());
            if (Lower(program).find(".exe") != std::string::npos) {
                ReplaceAll(program, "<ResourceDir>", g_PackageFolder + "SupportFiles");
                StartProgramAndWait(program, ReadScript("MERGEMODULES", ("D" + index).c_str()));
            }
        }
        if (!CheckCondition(condition)) continue;
        std::string msi = g_PackageFolder + "mergemod.msi";
        if (!FileExists(msi)) msi = g_PackageFolder + "SupportFiles\\mergemod.msi";
        if (!FileExists(msi)) continue;
        const std::string command = ExpandTokens("<SystemFolder>\\msiexec.exe /i \"" + msi + "\" /q");
        if (maskPasses && featurePasses) RunDetachedAndWait(command);
    }
    g_MergeModulesPending = 0;
    Trace("w1");
    RemoveWorkFolder();
    Trace("w2");
    ClosePage(m_pCurrentPage);
    Trace("w3");
    ShowNextPage();
}

void CMainFrame::RunEveryFileAction() {
    for (int k = 0; k < m_FileActionCount; ++k) RunFileAction(k);
}

}  // namespace qx
