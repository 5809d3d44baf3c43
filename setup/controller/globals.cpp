#include "setup/controller/globals.h"

namespace qx {

std::string g_ScriptPath;
std::string g_DataScriptPath;
std::string g_WorkFolderName;
std::string g_WorkFolder;
std::string g_PackageFolder;
std::string g_TempPath;
std::string g_LanguageFile;
std::string g_ProductCode;
std::string g_InstallDir;
std::string g_DefaultInstallDir;
std::string g_MinimalFeatureList;

std::atomic<int> g_FeatureCount{0};
std::atomic<int> g_SplashFinished{0};
std::atomic<int> g_PayloadReady{0};
std::atomic<int> g_DiskImageMode{0};
std::atomic<int> g_SplitFilesMode{0};
std::atomic<int> g_SilentMode{0};
std::atomic<int> g_PreviewMode{0};
std::atomic<int> g_RunFinished{-1};
std::atomic<int> g_CancelRequested{0};
std::atomic<int> g_MergeModulesPending{0};
std::atomic<int> g_FileActionsPending{0};
std::atomic<int> g_UseDefaultFolder{0};
std::atomic<int> g_MinimalSetup{0};

std::atomic<HWND> g_MainWindow{nullptr};

}  // namespace qx
