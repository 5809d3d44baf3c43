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

}  // namespace qx
