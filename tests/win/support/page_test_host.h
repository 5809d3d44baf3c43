// A stand-in for the main frame when page windows are tested on their own:
// it records what pages ask of it.
#pragma once
#include "setup/base/ini_text.h"
#include "setup/base/unique_handle.h"
#include "setup/pages/page_host.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pagetest {

class PageTestHost : public qx::pages::IPageHost {
public:
    PageTestHost();

    std::string ExpandTokens(const std::string& text) override;
    void SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize) override;
    HFONT PageFont() const override { return font_.get(); }
    void SetCurrentPage(qx::pages::CImageWindow* page) override { currentPage = page; }
    std::string WorkFolder() const override { return workFolder; }
    const qx::KeyValueReader& SetupScript() const override { return script; }
    void SetFeatureState(const std::string& featureName, int state) override {
        featureStates.emplace_back(featureName, state);
    }
    void ShowFeatureInfo(const std::string& text) override { featureInfo.push_back(text); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                       qx::pages::CImageWindow* page, const std::string& layoutName) override {
        commands.push_back(commandId);
        reports.push_back(Report{windowId, listPosition, code, commandId, layoutName});
    }
    int StartInstallation() override {
        ++installations;
        return 1;
    }
    void SetCancelRequested() override { cancelRequested = true; }
    void SetRunFinished() override { runFinished = true; }
    // A page bench must outlive the cancel path, so the end is only recorded.
    void TerminateNow() override { ++terminations; }
    void SetSetupType(int type) override {
        setupType = type;
        minimalFlag = type == 1 ? 255 : 0;
    }
    int ToggleLaunchOption(int which) override {
        launch[which] = launch[which] == 255 ? 0 : 255;
        return launch[which];
    }
    void ChooseLanguage(const std::string& languageName) override { languages.push_back(languageName); }
    bool RunPageBehaviour(qx::pages::CImageWindow&, const std::string& behaviour) override {
        behaviours.push_back(behaviour);
        return behaviour == "IDC_BROWSE";
    }
    std::string InstallDir() const override { return installDir; }
    int SetupType() const override { return setupType; }
    int InstallForAnyone() const override { return installForAnyone; }
    std::string UserName() const override { return userName; }
    std::string Organisation() const override { return organisation; }
    void SetUserInfo(const std::string& name, const std::string& company) override {
        userName = name;
        organisation = company;
        ++userInfoCommits;
    }
    std::string WindowsFolder() const override { return windowsFolder; }
    std::string TextFileFolder() const override { return workFolder; }
    bool LaunchOffered(int which) const override { return launchOffered[which]; }
    void SetLaunchOption(int which, int state) override { launch[which] = state; }
    bool RunCutShort() const override { return runFinished; }
    std::string LanguageFileText(const std::string& section, const std::string& key) const override {
        return language.Read(section, key);
    }

    std::map<std::string, std::string> tokens;
    std::string installDir = "C:\\Program Files\\Trombela\\";
    std::string userName, organisation, windowsFolder;
    int installForAnyone = 255, minimalFlag = -1, userInfoCommits = 0;
    bool launchOffered[2] = {true, true};
    qx::IniText language;
    std::string workFolder;
    qx::IniText script;
    qx::pages::CImageWindow* currentPage = nullptr;
    std::vector<std::pair<std::string, int>> featureStates;
    std::vector<std::string> featureInfo, messages, commands;
    struct Report {
        int windowId, listPosition, code;
        std::string idName, layoutName;
    };
    std::vector<Report> reports;
    int installations = 0, terminations = 0, setupType = -1;
    int launch[2] = {0, 0};
    bool cancelRequested = false, runFinished = false;
    std::vector<std::string> languages, behaviours;
    struct FontCall { std::string face; int height, bold, italic, points; };
    std::vector<FontCall> fontCalls;

private:
    // The previous font stays alive one call longer, so controls of a page
    // being rebuilt never hold a deleted font.
    unique_hfont font_, previousFont_;
};

// Source tree and build tree paths in the form Windows programs open.
std::string SourcePath(const std::string& relative);
std::string BuildPath(const std::string& relative);
// A fresh empty folder below the build tree (with trailing backslash).
std::string ScratchFolder(const std::string& name);
void WriteTextFile(const std::string& path, const std::string& text);
// Dispatches the thread's messages for the given time.
void PumpMessages(int milliseconds);

}  // namespace pagetest
