// Process-wide values shared by the controller, the page windows, the engine
// and the auxiliary windows. Flags that another thread polls are atomic; the
// strings are written on the user-interface thread before any worker starts.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>

namespace qx {

constexpr int kFlagOn = 255;
constexpr int kSilentPageShown = 333;  // g_SilentMode once the hidden progress page exists

extern std::string g_ScriptPath;
extern std::string g_DataScriptPath;
extern std::string g_WorkFolderName;
extern std::string g_WorkFolder;
extern std::string g_PackageFolder;
extern std::string g_TempPath;
extern std::string g_LanguageFile;
extern std::string g_ProductCode;
extern std::string g_InstallDir;
extern std::string g_DefaultInstallDir;
extern std::string g_MinimalFeatureList;

extern std::atomic<int> g_FeatureCount;
extern std::atomic<int> g_SplashFinished;
extern std::atomic<int> g_PayloadReady;
extern std::atomic<int> g_DiskImageMode;
extern std::atomic<int> g_SplitFilesMode;
extern std::atomic<int> g_SilentMode;
extern std::atomic<int> g_PreviewMode;
extern std::atomic<int> g_RunFinished;
extern std::atomic<int> g_CancelRequested;
extern std::atomic<int> g_MergeModulesPending;
extern std::atomic<int> g_FileActionsPending;
extern std::atomic<int> g_UseDefaultFolder;
extern std::atomic<int> g_MinimalSetup;

// The application's main window once the frame has been created (0 before);
// trace lines carry it as their sender.
extern std::atomic<HWND> g_MainWindow;

}  // namespace qx
