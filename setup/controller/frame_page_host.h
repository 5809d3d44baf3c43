// What the page windows need from the controller, served by the main frame.
#pragma once
#include "setup/base/profile_reader.h"
#include "setup/pages/page_host.h"

namespace qx {

class CMainFrame;

class FramePageHost : public pages::IPageHost {
public:
    explicit FramePageHost(CMainFrame& frame) : frame_(frame), script_(std::string()) {}
    void UseScript(const std::string& path) { script_ = ProfileReader(path); }

    std::string ExpandTokens(const std::string& text) override;
    void SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize) override;
    HFONT PageFont() const override;
    void SetCurrentPage(pages::CImageWindow* page) override;
    std::string WorkFolder() const override;
    const KeyValueReader& SetupScript() const override { return script_; }
    void SetFeatureState(const std::string& featureName, int state) override;
    void ShowFeatureInfo(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                       pages::CImageWindow* page, const std::string& layoutName) override;
    int StartInstallation() override;
    void SetCancelRequested() override;
    void SetRunFinished() override;
    void TerminateNow() override;
    void SetSetupType(int type) override;
    int ToggleLaunchOption(int which) override;
    void ChooseLanguage(const std::string& languageName) override;
    bool RunPageBehaviour(pages::CImageWindow& page, const std::string& behaviour) override;
    std::string InstallDir() const override;
    int SetupType() const override;
    int InstallForAnyone() const override;
    std::string UserName() const override;
    std::string Organisation() const override;
    void SetUserInfo(const std::string& userName, const std::string& organisation) override;
    std::string WindowsFolder() const override;
    std::string TextFileFolder() const override;
    bool LaunchOffered(int which) const override;
    void SetLaunchOption(int which, int state) override;
    bool RunCutShort() const override;
    std::string LanguageFileText(const std::string& section, const std::string& key) const override;

private:
    CMainFrame& frame_;
    ProfileReader script_;
};

}  // namespace qx
