// The wizard start sequence; each step announces itself to the trace monitor.
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/dialogs/trace.h"

namespace qx {

void CMainFrame::RunStartSequence() {
    Trace("1");
    if (OpenSplash()) m_bSplashShown = kFlagOn;
    Trace("2");
    if (!CheckRequirements()) {
        PostQuitMessage(0);
        return;
    }
    Trace("3");
    if (!CheckRights()) {
        PostQuitMessage(0);
        return;
    }
    Trace("4");
    ReadConditions();
    Trace("5");
    if (!CheckInstallMode()) {
        PostQuitMessage(0);
        return;
    }
    Trace("6");
    ReadPageList();
    m_PageIndex = -1;
    Trace("a7");
    ReadFileActions();
    Trace("a8");
    ReadFeatures();
    ReadSetupTypeKeys();
    Trace("a9");
    ExtractPayload();
    Trace("a10");
    SetUpBackground();
    Trace("a11");
    ReadBillboards();
    Trace("a12");
    ReadVariables();
    Trace("13");
    DecideMergeModules();
    Trace("14");
    if (!m_bSplashShown) ShowNextPage();
    Trace("15");
    if (m_bSplashShown && g_DiskImageMode == kFlagOn) {
        Trace("16");
        SetTimer(Hwnd(), kTimerSplashWait, 1000, nullptr);
        Trace("17");
    }
}

}  // namespace qx
