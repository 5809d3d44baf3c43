#include "setup/pages/my_button.h"

#include "setup/pages/page_font.h"

namespace qx::pages {

void CMyButton::Reset() {
    text_ = RGB(0, 0, 0);
    background_ = GetSysColor(COLOR_BTNFACE);
    brush_.reset();
    font_.reset();
}

void CMyButton::SetFont(const std::string& face, int points, bool bold, bool italic) {
    unique_hfont font = MakeFont({face, points > 0 ? PointsToHeight(points) : 0, bold, italic, false});
    if (Handle() && font) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The old font is released only after the control let go of it.
    font_ = std::move(font);
}

void CMyButton::SetBackgroundColor(const std::string& colour) {
    background_ = ParseColorRef(colour);
    brush_.reset(CreateSolidBrush(background_));
    Repaint();
}

HBRUSH CMyButton::OnColorRequest(HDC dc) {
    SetTextColor(dc, text_);
    SetBkColor(dc, background_);
    return brush_.get();
}

void CMyRadioButton::Reset() {
    text_ = RGB(0, 0, 0);
    background_ = GetSysColor(COLOR_BTNFACE);
    brush_.reset();
}

void CMyRadioButton::SetBackgroundColor(const std::string& colour) {
    background_ = ParseColorRef(colour);
    Repaint();
}

void CMyRadioButton::SetTextColor(const std::string& colour) {
    text_ = ParseColorRef(colour);
    Repaint();
}

HBRUSH CMyRadioButton::OnColorRequest(HDC dc) {
    ::SetTextColor(dc, text_);
    SetBkColor(dc, background_);
    brush_.reset(CreateSolidBrush(background_));
    return brush_.get();
}

}  // namespace qx::pages
