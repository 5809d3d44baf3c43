// The frame's page windows: creating the next one, closing the old ones.
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/pages/page_window.h"

namespace qx {

namespace {
// Posted to the frame so a page that reported a command is deleted only after
// its own message handler has returned.
constexpr UINT kDeleteRetiredPages = WM_APP + 1;
}  // namespace

void CMainFrame::OpenPage(const std::string& layoutName, int pageIndex, int pageCount, int showCmd) {
    m_PageHost.UseScript(g_ScriptPath);
    std::unique_ptr<pages::CImageWindow> page =
        pages::CImageWindow::Create(m_PageHost, Hwnd(), m_Folders.theme, layoutName, pageIndex, pageCount, showCmd);
    pages::CImageWindow* raw = page.get();
    for (auto& old : m_PageWindows) {
        if (old) {
            old->Close();
            m_RetiredPages.push_back(std::move(old));
        }
    }
    m_PageWindows.clear();
    m_PageWindows.push_back(std::move(page));
    m_pCurrentPage = raw;
    if (!m_RetiredPages.empty()) PostMessageA(Hwnd(), kDeleteRetiredPages, 0, 0);
}

void CMainFrame::ClosePage(pages::CImageWindow* page) {
    if (!page) return;
    page->Close();
    if (m_pCurrentPage == page) m_pCurrentPage = nullptr;
}

bool CMainFrame::HandlePageMessage(UINT msg) {
    if (msg != kDeleteRetiredPages) return false;
    m_RetiredPages.clear();
    return true;
}

bool CMainFrame::TranslatePageMessage(MSG& msg) {
    for (auto& page : m_PageWindows)
        if (page && page->TranslatePageMessage(msg)) return true;
    return false;
}

void CMainFrame::ShowFeatureInfo(const std::string& text) {
    if (!m_pCurrentPage) return;
    HWND info = m_pCurrentPage->ControlHandle(m_pCurrentPage->FindControlByIdName("IDC_FEATUREINFO"));
    if (!info) return;
    SetWindowTextA(info, text.c_str());
    InvalidateRect(info, nullptr, TRUE);
}

}  // namespace qx
