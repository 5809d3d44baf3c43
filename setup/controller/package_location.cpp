// Where the package, the theme, the work folder and the system folders are,
// and the decryption of the two package scripts.
#include "setup/base/file_system.h"
#include "setup/controller/folder_rules.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/controller/system_folders.h"
#include "setup/dialogs/trace.h"
#include "setup/payload/file_crypt_error.h"
#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"

#include <shlobj.h>

namespace qx {

namespace {

void MoveThemeFiles(const std::string& packageFolder, const std::string& themeFolder) {
    WIN32_FIND_DATAA found;
    unique_find_handle find(FindFirstFileA((packageFolder + "^!*.*").c_str(), &found));
    if (!find) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        // A read-only medium keeps the file where it is; that is not an error.
        MoveFileA((packageFolder + name).c_str(), ThemeFileDestination(themeFolder, name).c_str());
    } while (FindNextFileA(find.get(), &found));
}

}  // namespace

void CMainFrame::ResolveBasicFolders() {
    m_Folders.windows = WindowsDirectoryText();
    m_Folders.windowsVolume = m_Folders.windows.substr(0, 2);
    g_TempPath = WithTrailingBackslash(TempPathText());
    g_PackageFolder = WithTrailingBackslash(CurrentDirectoryText());
    m_Folders.package = g_PackageFolder;
    m_Folders.currentDrive = CurrentDriveOf(g_PackageFolder);
    g_LanguageFile = g_PackageFolder + "language.lan";
    m_Folders.system = WithTrailingBackslash(SystemDirectoryText());
    m_Folders.temp = g_TempPath;
    m_Folders.theme = g_PackageFolder + "theme\\";
    CreateDirectoryA(m_Folders.theme.c_str(), nullptr);
    MoveThemeFiles(g_PackageFolder, m_Folders.theme);
    SYSTEMTIME now;
    GetLocalTime(&now);
    g_WorkFolderName = WorkFolderName(now.wHour, now.wMinute, now.wSecond);
    m_Folders.workFolderName = g_WorkFolderName;
}

bool CMainFrame::DecryptScripts() {
    std::string work = g_TempPath + g_WorkFolderName;
    CreateDirectoryA(work.c_str(), nullptr);
    g_WorkFolder = work + "\\";

    if (!m_Cipher) m_Cipher.reset(new CRijndaelFILE());
    package_key::SetPackageKey(*m_Cipher);

    g_ScriptPath = g_WorkFolder + "setup.inf";
    std::string source = g_PackageFolder + "setup.nsx";
    if (!FileExists(source)) return false;
    DecryptPackageScript(source);

    g_DataScriptPath = g_WorkFolder + "data.inf";
    source = g_PackageFolder + "data.nsx";
    if (!FileExists(source)) return false;
    DecryptPackageScript(source);
    return true;
}

// A damaged or foreign script cannot be read at all, so nothing that follows
// could work: say which file it is and end before any page is shown.
void CMainFrame::DecryptPackageScript(const std::string& source) {
    std::string target = source == g_PackageFolder + "setup.nsx" ? g_ScriptPath : g_DataScriptPath;
    try {
        m_Cipher->DecryptToFile(source.c_str(), target.c_str());
    } catch (const FileCryptError& e) {
        Trace(e.what());
        std::string text = "The setup file " + source +
                           " is damaged or does not belong to this package, so setup cannot continue.\r\n\r\n" +
                           e.what();
        MessageBoxA(Hwnd(), text.c_str(), "Setup", MB_OK | MB_ICONSTOP);
        DeleteFileA(target.c_str());
        TerminateNow();
    }
}

void CMainFrame::ResolveEnvironment() {
    m_bAllUsers = ReadScript("APPINFO", "a8") == "Per-User" ? 0 : 255;
    const bool all = m_bAllUsers == kFlagOn;
    m_Folders.favorites = ShellFolderText(all ? CSIDL_COMMON_FAVORITES : CSIDL_FAVORITES);
    m_Folders.commonDocuments = ShellFolderText(CSIDL_COMMON_DOCUMENTS);
    m_Folders.pictures = ShellFolderText(all ? CSIDL_COMMON_PICTURES : CSIDL_MYPICTURES);
    m_Folders.programs = ShellFolderText(all ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS);
    m_Folders.music = ShellFolderText(all ? CSIDL_COMMON_MUSIC : CSIDL_MYMUSIC);
    m_Folders.sendTo = ShellFolderText(CSIDL_SENDTO);
    m_Folders.fonts = ShellFolderText(CSIDL_FONTS);
    m_Folders.appData = ShellFolderText(all ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA);
    m_Folders.personal = ShellFolderText(CSIDL_PERSONAL);
    m_Folders.startup = ShellFolderText(all ? CSIDL_COMMON_STARTUP : CSIDL_STARTUP);
    m_Folders.startMenu = ShellFolderText(all ? CSIDL_COMMON_STARTMENU : CSIDL_STARTMENU);
    m_Folders.desktop = ShellFolderText(all ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOPDIRECTORY);

    const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    m_Folders.programFiles = ReadMachineValue(kCurrentVersion, "ProgramFilesDir");
    m_Folders.commonFiles = ReadMachineValue(kCurrentVersion, "CommonFilesDir");
    if (m_Folders.programFiles.empty()) {
        m_Folders.programFilesFromEnvironment = true;
        m_Folders.programFiles = EnvironmentText("PROGRAMFILES");
        if (m_Folders.programFiles.empty())
            MessageBoxA(Hwnd(), "You don't have permission to run setup in this computer...", "", MB_OK);
    }
    m_Folders.noProgramFiles = m_Folders.programFiles.empty();

    m_UserName = UserNameText();
    m_CustomerName = m_UserName;

    std::string build = ReadScript("BUILDING", "CURRENTBUILD");
    if (FolderExists(g_PackageFolder + "DiskImage1")) g_DiskImageMode = kFlagOn;
    if (build == "Split Files") {
        g_DiskImageMode = kFlagOn;
        g_SplitFilesMode = kFlagOn;
    }
}

void CMainFrame::ExtractPayload() {
    EnterPage();
    if (g_DiskImageMode == kFlagOn) return;
    Trace("START INSTALL NOW");
    // The start page shows while the payload is unpacked.
    OpenPage("start.lcd", -1, 50, g_SilentMode == kFlagOn ? SW_HIDE : SW_SHOWNORMAL);
    if (!ExtractCabinetPayload()) {
        TerminateNow();
        return;
    }
    Trace("DESCOMPACTOU");
    if (m_bSplashShown) {
        Trace("PULA =255");
        g_PayloadReady = kFlagOn;
        SetTimer(Hwnd(), kTimerSplashToFirstPage, 1000, nullptr);
    } else {
        Trace("TerminarJanela");
        ClosePage(m_pCurrentPage);
    }
}

std::string CMainFrame::ResolveResourcePath(const std::string& text) const {
    std::string resolved =
        ResolveResourceText(text, m_bResourcesInPayload == kFlagOn, g_WorkFolderName, g_PackageFolder);
    return m_bResourcesInPayload == kFlagOn && resolved != text ? ExpandTokens(resolved) : resolved;
}

}  // namespace qx
