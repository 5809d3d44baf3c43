#include "setup/controller/frame_page_host.h"

#include "setup/controller/feature_table.h"
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

void FramePageHost::SetSetupType(int type) { frame_.m_SetupType = type; }

int FramePageHost::ToggleLaunchOption(int which) {
    int& flag = which == 0 ? frame_.m_bLaunchFile : frame_.m_bLaunchReadme;
    flag = flag == kFlagOn ? 0 : kFlagOn;
    return flag;
}

void FramePageHost::ChooseLanguage(const std::string& languageName) { frame_.OnLanguageChosen(languageName); }

bool FramePageHost::RunPageBehaviour(pages::CImageWindow& page, const std::string& behaviour) {
    return frame_.RunPageBehaviour(page, behaviour);
}

}  // namespace qx
