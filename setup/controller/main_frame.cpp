#include "setup/controller/main_frame.h"

#include "setup/controller/action_command.h"
#include "setup/controller/globals.h"
#include "setup/dialogs/trace.h"
#include "setup/dialogs/dialog_texts.h"
#include "setup/dialogs/msg_box.h"
#include "setup/pages/page_window.h"
#include "setup/payload/rijndael_file.h"
#include "setup/resources/resource.h"

#include <ocidl.h>
#include <olectl.h>

namespace qx {

namespace {
constexpr const char* kFrameClass = "QuendrixSetupFrame";
}

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

bool CMainFrame::LoadFrame(HINSTANCE instance) {
    m_Instance = instance;
    char title[128] = "";
    LoadStringA(instance, IDR_MAINFRAME, title, sizeof title);
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETUP));
    return CreateFrame(instance, kFrameClass, title, WS_OVERLAPPEDWINDOW, menu, icon);
}

LRESULT CMainFrame::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wp));
        return Default(msg, wp, lp);
    case WM_ERASEBKGND:
        if (OnEraseBkgnd(reinterpret_cast<HDC>(wp))) return TRUE;
        return Default(msg, wp, lp);
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        if (HandlePageMessage(msg)) return 0;
        return Default(msg, wp, lp);
    }
}

int CMainFrame::OnCreate() {
    m_bSplashShown = 0;
    m_SetupType = -1;
    m_bLaunchFile = 0;
    m_bLaunchReadme = 0;
    m_FileActionCount = 0;
    SetDialogTextExpander([this](const std::string& text) { return ExpandTokens(text); });

    ResolveBasicFolders();
    if (!DecryptScripts()) {
        MessageBoxA(Hwnd(),
                    "Sorry, Quendrix can't find data files.\r\nsetup.nsx and data.nsx\r\n"
                    "These files must be in the same directory of setup.exe",
                    "", MB_OK);
        TerminateNow();
        return -1;
    }
    ResolveEnvironment();
    ReadSharedKeys();
    DetermineOsName();
    if (SelectLanguage()) return 0;
    RunStartSequence();
    return 0;
}

void CMainFrame::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerSplashToFirstPage:
        if (g_SplashFinished == kFlagOn) {
            KillTimer(Hwnd(), kTimerSplashToFirstPage);
            ClosePage(m_pCurrentPage);  // the start page
            ShowNextPage();
        }
        break;
    case kTimerMergeModules:
        KillTimer(Hwnd(), kTimerMergeModules);
        InstallMergeModules();
        break;
    case kTimerSplashWait:
        if (g_SplashFinished == kFlagOn) {
            KillTimer(Hwnd(), kTimerSplashWait);
            ShowNextPage();
        }
        break;
    case kTimerClose:
        KillTimer(Hwnd(), kTimerClose);
        Trace("timer 4");
        PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
        PostMessageA(Hwnd(), WM_QUIT, 0, 0);
        Trace("SAI");
        break;
    default:
        break;
    }
}

void CMainFrame::TerminateNow() {
    // The code is whatever the process reports now; nothing is cleaned up.
    HANDLE self = OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId());
    DWORD code = 0;
    GetExitCodeProcess(self ? self : GetCurrentProcess(), &code);
    TerminateProcess(self ? self : GetCurrentProcess(), code);
}

void CMainFrame::RunActionCommand(const std::string& text) {
    ActionCommand cmd = ParseActionCommand(text);
    switch (cmd.kind) {
    case ActionKind::CancelInstall:
        GoToComplete();
        break;
    case ActionKind::ShowMessage: {
        CMsg box;
        box.m_Message = cmd.message;
        box.DoModal(Hwnd());
        break;
    }
    case ActionKind::None:
        break;
    }
}

std::string CMainFrame::ExpandTokens(const std::string& text) const {
    TokenValues v;
    v.programFiles = m_Folders.programFiles;
    v.systemFolder = m_Folders.system;
    v.windowsFolder = m_Folders.windows;
    v.commonFiles = m_Folders.commonFiles;
    v.windowsVolume = m_Folders.windowsVolume;
    v.favorites = m_Folders.favorites;
    v.personal = m_Folders.personal;
    v.pictures = m_Folders.pictures;
    v.tempFolder = g_TempPath;
    v.sendTo = m_Folders.sendTo;
    v.fonts = m_Folders.fonts;
    v.appData = m_Folders.appData;
    v.productName = m_ProductName;
    v.currentDrive = m_Folders.currentDrive;
    v.currentDirectory = g_PackageFolder;
    v.installDir = m_InstallDir;
    v.productCode = g_ProductCode;
    v.userName = m_UserName;
    v.companyName = m_CompanyName;
    v.publisher = m_Publisher;
    v.productVersion = m_ProductVersion;
    return qx::ExpandTokens(text, v, m_Variables);
}

void CMainFrame::TakeInstallDir() { m_InstallDir = g_InstallDir; }

void CMainFrame::SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize) {
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    LOGFONTA lf = ncm.lfStatusFont;
    if (height == 0) {
        HDC screen = GetDC(nullptr);
        height = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
    }
    lf.lfHeight = height;
    lf.lfWeight = bold == kFlagOn ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic == kFlagOn ? TRUE : FALSE;
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    m_PageFontPoints = pointSize;
    m_PageFontBold = bold;
    m_PageFontItalic = italic;
    // The page being replaced still draws with the current font until it is
    // destroyed after the new page exists, so one older font is kept alive.
    m_PreviousPageFont = std::move(m_PageFont);
    m_PageFont.reset(CreateFontIndirectA(&lf));
}

}  // namespace qx
