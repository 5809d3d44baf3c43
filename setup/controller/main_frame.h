// The setup controller: owns the state that pages, engine and auxiliary
// windows share, runs the start-up sequence and drives the phases with timers.
// The frame stays invisible unless the package asks for a background.
#pragma once
#include "setup/base/table_limits.h"
#include "setup/base/unique_handle.h"
#include "setup/controller/frame_page_host.h"
#include "setup/controller/frame_window.h"
#include "setup/controller/file_action_records.h"
#include "setup/controller/token_expansion.h"
#include "setup/probes/conditions.h"

#include <memory>
#include <string>
#include <vector>

class CRijndaelFILE;

namespace qx {

class KeyValueReader;
namespace pages {
class CImageWindow;
class OlePicture;
}
class CWait;

enum FrameTimer : UINT_PTR {
    kTimerSplashToFirstPage = 1,
    kTimerMergeModules = 2,
    kTimerSplashWait = 3,
    kTimerClose = 4,
};

// Folders resolved at start. Shell folders are without trailing backslash.
struct EnvironmentFolders {
    std::string windows, windowsVolume, system, temp, package, currentDrive, theme, workFolderName;
    std::string programFiles, commonFiles, favorites, commonDocuments, pictures, music, sendTo, fonts,
        appData, personal, startup, desktop, startMenu, programs;
    bool programFilesFromEnvironment = false;
    bool noProgramFiles = false;
};

class CMainFrame : public FrameWindow {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Resource 128 gives the menu, icon and title; WS_VISIBLE is never set here.
    bool LoadFrame(HINSTANCE instance);

    // Operations the page windows and other parts of the program call.
    void OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                       pages::CImageWindow* page, const std::string& layoutName);
    int StartInstallation();
    void ApplyLanguage(const std::string& languageFile);
    void GoToComplete();
    static void TerminateNow();
    void RunActionCommand(const std::string& text);
    std::string ExpandTokens(const std::string& text) const;
    void TakeInstallDir();
    void SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize);
    HFONT PageFont() const { return m_PageFont.get(); }
    void ShowNextPage();
    void ShowPreviousPage();
    void ShowCompletePage();
    void ShowFeatureInfo(const std::string& text);
    void RunFinishActions();
    void RemoveWorkFolder();
    void OnLanguageChosen(const std::string& languageName);
    // Keyboard navigation, Enter and Escape of the live page windows.
    bool TranslatePageMessage(MSG& msg);
    bool RunPageBehaviour(pages::CImageWindow& page, const std::string& behaviour);

    const EnvironmentFolders& Folders() const { return m_Folders; }
    const std::string& ThemeFolder() const { return m_Folders.theme; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Message handlers.
    int OnCreate();
    void OnTimer(UINT_PTR id);
    bool OnEraseBkgnd(HDC dc);
    void OnPaint();

    // Start-up.
    void ResolveBasicFolders();
    bool DecryptScripts();
    void DecryptPackageScript(const std::string& source);
    void ResolveEnvironment();
    void ExtractPayload();
    std::string ResolveResourcePath(const std::string& text) const;
    void ReadSharedKeys();
    void RunStartSequence();
    std::string ReadScript(const char* section, const char* key, std::size_t buffer = 255) const;

    // Background.
    void SetUpBackground();
    void LoadBackgroundPicture(const std::string& path);

    // Page windows.
    const std::string& PageNameAt(int index) const;
    void OpenPage(const std::string& layoutName, int pageIndex, int pageCount, int showCmd);
    void ClosePage(pages::CImageWindow* page);
    bool HandlePageMessage(UINT msg);
    bool RestartComputer();

    // Steps whose behaviour is built by later work; each is the single place
    // where that work plugs in.
    void DetermineOsName();
    bool SelectLanguage();
    bool OpenSplash();
    bool CheckRequirements();
    bool CheckRights();
    void ReadConditions();
    bool CheckInstallMode();
    void ReadPageList();
    void ReadFileActions();
    void ReadFeatures();
    void ReadSetupTypeKeys();
    void EnterPage();
    void RunFileActionsFor(const std::string& pageName);
    void RunConditionsFor(const std::string& pageName);
    bool ExtractCabinetPayload();
    void ReadBillboards();
    void ReadVariables();
    void DecideMergeModules();
    void InstallMergeModules();
    bool MergeFeaturePasses(std::string feature) const;
    void RunEveryFileAction();
    void RunEngine();

public:
    // Controller state; names follow the package documents.
    pages::CImageWindow* m_pCurrentPage = nullptr;
    std::string m_PageNames[kMaxPages];
    int m_PageIndex = -1;
    int m_PageCount = 0;
    int m_bClosing = 0;
    int m_bSplashShown = 0;
    int m_SetupType = -1;
    int m_bLaunchFile = 0;
    int m_bLaunchReadme = 0;

    std::string m_ProductName, m_Publisher, m_ProductVersion, m_InstallDir;
    int m_bAllUsers = 255;
    std::string m_Language, m_EngineLanguage;
    std::string m_CT10, m_CT11, m_CT13, m_CT17, m_CT18, m_CT19;
    int m_bOfferLaunchFile = 255, m_bOfferLaunchReadme = 255, m_bAskRestart = 0;
    int m_bResourcesInPayload = 0;

    EnvironmentFolders m_Folders;
    std::string m_UserName, m_CustomerName, m_CompanyName;

    int m_bBackground = 0;
    std::string m_Background[5];  // BACKGROUND 1 to 5
    int m_bBackgroundLoaded = 0;
    int m_BackgroundWidth = 0, m_BackgroundHeight = 0;

    int m_PageFontPoints = 0, m_PageFontBold = 0, m_PageFontItalic = 0;

    // Machine checks and package logic ------------------------------------
    // Requirements, rights, installation mode, conditions, script variables,
    // page-entry file actions and languages.
public:
    // Runs page-entry file action k (the finish actions call it too).
    void RunFileAction(int k);
    // The condition name check; a condition found is evaluated and, when it
    // holds, its actions run.
    bool CheckCondition(const std::string& name);
    const ConditionTable& Conditions() const { return m_Conditions; }
    const std::vector<FileActionRecord>& FileActions() const { return m_FileActions; }
    const std::vector<std::string>& VariableEngineTexts() const { return m_VariableEngineTexts; }

    std::string m_OsName;
    ScriptVariables m_Variables;  // name and value, in the order read
    int m_FileActionCount = 0;

private:
    bool EvaluateCondition(int index);
    void ShowRefusal(const std::string& text);
    bool ShowLanguagePage();
    std::string EvaluateVariable(int k, CWait& wait, bool& waitShown);

    ConditionTable m_Conditions;
    std::vector<FileActionRecord> m_FileActions;
    std::vector<std::string> m_VariableEngineTexts;  // the "C%i" text of each variable
    // End of machine checks and package logic -----------------------------

private:
    HINSTANCE m_Instance = nullptr;
    std::unique_ptr<CRijndaelFILE> m_Cipher;
    std::unique_ptr<pages::OlePicture> m_BackgroundPicture;
    unique_hfont m_PageFont;
    unique_hfont m_PreviousPageFont;
    FramePageHost m_PageHost{*this};
    std::vector<std::unique_ptr<pages::CImageWindow>> m_PageWindows;
    std::vector<std::unique_ptr<pages::CImageWindow>> m_RetiredPages;
};

}  // namespace qx
