// The optional full-screen background: a vertical gradient, two texts and a
// picture, painted by the otherwise invisible frame.
#include "setup/base/unique_handle.h"
#include "setup/controller/background_colors.h"
#include "setup/controller/folder_rules.h"
#include "setup/controller/globals.h"
#include "setup/controller/main_frame.h"
#include "setup/pages/ole_picture.h"

namespace qx {

void CMainFrame::SetUpBackground() {
    if (g_SilentMode == kFlagOn) return;
    if (ReadScript("BACKGROUND", "0") != "1") return;
    for (int i = 0; i < 5; ++i) m_Background[i] = ReadScript("BACKGROUND", std::to_string(i + 1).c_str());
    m_bBackground = kFlagOn;
    ShowWindow(Hwnd(), SW_SHOWMAXIMIZED);
    SetMenu(Hwnd(), nullptr);
    SetWindowTextA(Hwnd(), "Morvaine Quendrix");
    UpdateWindow(Hwnd());
    std::string path = "<TempFolder>\\" + g_WorkFolderName + "\\" + FileNamePart(m_Background[4]);
    LoadBackgroundPicture(ExpandTokens(path));
}

void CMainFrame::LoadBackgroundPicture(const std::string& path) {
    if (!m_BackgroundPicture) m_BackgroundPicture = std::make_unique<pages::OlePicture>();
    if (!m_BackgroundPicture->Load(path)) return;
    m_BackgroundWidth = m_BackgroundPicture->Width();
    m_BackgroundHeight = m_BackgroundPicture->Height();
    m_bBackgroundLoaded = kFlagOn;
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

namespace {

void DrawBackgroundText(HDC dc, const std::string& text, int x, int y, int height, UINT align) {
    unique_hfont font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_ROMAN, "Times New Roman"));
    HGDIOBJ old = SelectObject(dc, font.get());
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    UINT oldAlign = SetTextAlign(dc, align);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, old);
}

}  // namespace

bool CMainFrame::OnEraseBkgnd(HDC dc) {
    if (m_bBackground != kFlagOn) return false;
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int height = client.bottom - client.top;
    const Rgb top = ParseBackgroundColor(m_Background[2]);
    const Rgb bottom = ParseBackgroundColor(m_Background[3]);
    for (int y = 0; y < height; ++y) {
        Rgb c = GradientRow(top, bottom, y, height);
        unique_hbrush brush(CreateSolidBrush(RGB(c.r, c.g, c.b)));
        RECT row = {client.left, y, client.right, y + 1};
        FillRect(dc, &row, brush.get());
    }
    DrawBackgroundText(dc, m_Background[0], 24, 14, 40, TA_LEFT | TA_TOP);
    DrawBackgroundText(dc, m_Background[1], client.right - 100, client.bottom - 50, 20, TA_RIGHT | TA_BOTTOM);
    return true;
}

void CMainFrame::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    if (m_bBackgroundLoaded == kFlagOn && m_BackgroundPicture) {
        SetStretchBltMode(dc, COLORONCOLOR);
        m_BackgroundPicture->Draw(dc, 10, 10, RGB(0, 0, 0));
    }
    EndPaint(Hwnd(), &ps);
}

}  // namespace qx
