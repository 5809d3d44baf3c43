#include "setup/controller/frame_page_host.h"

#include "setup/controller/feature_table.h"
#include "setup/dialogs/dialog_texts.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/pages/page_window.h"

namespace qx {

std::string FramePageHost::ExpandTokens(const std::string& text) { return frame_.ExpandTokens(text); }

void FramePageHost::SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize) {
    frame_.SetPageFont(face, height, bold, italic, pointSize);
}

HFONT FramePageHost::PageFont() const { return frame_.PageFont(); }

void FramePageHost::SetCurrentPage(pages::CImageWindow* page) { frame_.m_pCurrentPage = page; }

std::string FramePageHost::WorkFolder() const { return g_WorkFolder; }

void FramePageHost::SetFeatureState(const std::string& featureName, int state) {
    if (FeatureEntry* f = FindFeature(featureName)) f->state = state;
}

void FramePageHost::ShowFeatureInfo(const std::string& text) { frame_.ShowFeatureInfo(text); }

void FramePageHost::ShowMessage(const std::string& text) {
    MessageBoxA(frame_.m_pCurrentPage ? frame_.m_pCurrentPage->Handle() : frame_.Hwnd(), text.c_str(), "Setup",
                MB_OK);
}

void FramePageHost::OnPageCommand(int windowId, int listPosition, int code, const std::string& commandId,
                                  pages::CImageWindow* page, const std::string& layoutName) {
    frame_.OnPageCommand(windowId, listPosition, code, commandId, page, layoutName);
}

int FramePageHost::StartInstallation() { return frame_.StartInstallation(); }

void FramePageHost::SetCancelRequested() { g_CancelRequested = 1; }

void FramePageHost::SetRunFinished() { g_RunFinished = kFlagOn; }

void FramePageHost::TerminateNow() { CMainFrame::TerminateNow(); }

void FramePageHost::SetSetupType(int type) {
    frame_.m_SetupType = type;
    // The file installation reads the flag, not the type.
    g_MinimalSetup = type == 1 ? kFlagOn : 0;
}

int FramePageHost::ToggleLaunchOption(int which) {
    int& flag = which == 0 ? frame_.m_bLaunchFile : frame_.m_bLaunchReadme;
    flag = flag == kFlagOn ? 0 : kFlagOn;
    return flag;
}

void FramePageHost::ChooseLanguage(const std::string& languageName) { frame_.OnLanguageChosen(languageName); }

bool FramePageHost::RunPageBehaviour(pages::CImageWindow& page, const std::string& behaviour) {
    return frame_.RunPageBehaviour(page, behaviour);
}

std::string FramePageHost::InstallDir() const { return g_InstallDir; }

int FramePageHost::SetupType() const { return frame_.m_SetupType; }

int FramePageHost::InstallForAnyone() const { return frame_.m_bAllUsers; }

std::string FramePageHost::UserName() const { return frame_.m_UserName; }

std::string FramePageHost::Organisation() const { return frame_.m_CompanyName; }

void FramePageHost::SetUserInfo(const std::string& userName, const std::string& organisation) {
    frame_.m_UserName = userName;
    frame_.m_CustomerName = userName;
    frame_.m_CompanyName = organisation;
}

std::string FramePageHost::WindowsFolder() const { return frame_.Folders().windows; }

std::string FramePageHost::TextFileFolder() const {
    // Disk-image and split packages keep their loose files on the first disk.
    if (g_DiskImageMode == kFlagOn || g_SplitFilesMode == kFlagOn) return g_PackageFolder + "DiskImage1\\";
    return g_WorkFolder;
}

bool FramePageHost::LaunchOffered(int which) const {
    return (which == 0 ? frame_.m_bOfferLaunchFile : frame_.m_bOfferLaunchReadme) != 0;
}

void FramePageHost::SetLaunchOption(int which, int state) {
    (which == 0 ? frame_.m_bLaunchFile : frame_.m_bLaunchReadme) = state;
}

bool FramePageHost::RunCutShort() const { return g_RunFinished == kFlagOn; }

std::string FramePageHost::LanguageFileText(const std::string& section, const std::string& key) const {
    return LanguageText(section.c_str(), key.c_str());
}

}  // namespace qx
