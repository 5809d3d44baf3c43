#include "setup/controller/setup_app.h"

#include "setup/controller/globals.h"
#include "setup/resources/resource.h"

#include <commctrl.h>
#include <objbase.h>
#include <winsock2.h>

namespace qx {

namespace {
CQuendrixSetupApp* g_App = nullptr;
}

CMainFrame* TheMainFrame() { return g_App ? g_App->MainFrame() : nullptr; }

bool CQuendrixSetupApp::InitInstance() {
    g_App = this;
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(1, 1), &wsa) != 0) {
        char text[256] = "Windows sockets initialization failed.";
        LoadStringA(m_Instance, IDS_SOCKETS_INIT_FAILED, text, sizeof text);
        MessageBoxA(nullptr, text, "", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    // The rich-edit classes live in this library; pages need them for the
    // licence and read-me texts.
    if (!LoadLibraryA("RICHED32.DLL")) MessageBoxA(nullptr, "Can't load RICHTEXT library.", "", MB_OK | MB_ICONEXCLAMATION);
    OleInitialize(nullptr);

    g_MergeModulesPending = 0;
    g_RunFinished = -1;
    g_FeatureCount = 0;
    g_PreviewMode = 0;

    if (HWND other = FindWindowA("NerritClass", nullptr)) {
        PostMessageA(other, WM_CLOSE, 0, 0);
        PostMessageA(other, WM_QUIT, 0, 0);
    }

    m_pMainFrame.reset(new CMainFrame());
    if (!m_pMainFrame->LoadFrame(m_Instance)) return false;
    g_MainWindow = m_pMainFrame->Hwnd();
    return true;
}

int CQuendrixSetupApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (m_pMainFrame && m_pMainFrame->TranslatePageMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (HWND frame = m_pMainFrame ? m_pMainFrame->Hwnd() : nullptr) DestroyWindow(frame);
    OleUninitialize();
    WSACleanup();
    return static_cast<int>(msg.wParam);
}

}  // namespace qx
