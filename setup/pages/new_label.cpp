#include "setup/pages/new_label.h"

#include "setup/pages/page_font.h"

namespace qx::pages {

void CNewLabel::Reset() {
    alignment_ = 0;
    fill_ = false;
    background_ = GetSysColor(COLOR_BTNFACE);
    text_ = RGB(0, 0, 0);
    brush_.reset();
    link_ = bold_ = italic_ = false;
    height_ = 0;
    face_.clear();
    font_.reset();
    pageFont_ = nullptr;
}

void CNewLabel::RemakeFont() {
    unique_hfont font = MakeFont({face_, height_, bold_, italic_, link_});
    if (Handle() && font) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    Repaint();
}

void CNewLabel::SetFont(const std::string& face, int points, bool bold, bool italic) {
    face_ = face;
    height_ = points > 0 ? PointsToHeight(points) : 0;
    bold_ = bold;
    italic_ = italic;
    RemakeFont();
}

void CNewLabel::TakePageFont(HFONT pageFont) {
    pageFont_ = pageFont;
    LOGFONTA lf{};
    if (pageFont && GetObjectA(pageFont, sizeof lf, &lf)) {
        face_ = lf.lfFaceName;
        height_ = lf.lfHeight;
    }
    if (Handle() && pageFont) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(pageFont), TRUE);
}

void CNewLabel::SetAlignment(const std::string& alignment) {
    if (alignment == "Left") alignment_ = DT_WORDBREAK | DT_LEFT;
    else if (alignment == "Center") alignment_ = DT_WORDBREAK | DT_CENTER;
    else if (alignment == "Right") alignment_ = DT_WORDBREAK | DT_RIGHT;
    Repaint();
}

void CNewLabel::SetTextColor(COLORREF colour) {
    text_ = colour;
    Repaint();
}

void CNewLabel::SetBackgroundColor(const std::string& colour) {
    background_ = ParseColorRef(colour);
    brush_.reset(CreateSolidBrush(background_));
    fill_ = background_ != GetSysColor(COLOR_BTNFACE);
    Repaint();
}

void CNewLabel::SetLink(int flag) {
    link_ = flag == 255;
    if (link_) text_ = RGB(0, 0, 255);
    RemakeFont();
}

void CNewLabel::Paint(HDC dc) {
    RECT rc;
    GetClientRect(Handle(), &rc);
    if (fill_ && brush_) {
        FillRect(dc, &rc, brush_.get());
    } else {
        // Let the page draw what lies under us, so texts sit on its colour or picture.
        PaintPageUnder(Handle(), dc);
    }
    int length = GetWindowTextLengthA(Handle());
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(Handle(), &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
    HFONT font = CurrentFont();
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text_);
    DrawTextA(dc, text.c_str(), length, &rc, alignment_);
    if (oldFont) SelectObject(dc, oldFont);
}

bool CNewLabel::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_ERASEBKGND:
            *result = 1;  // painted whole in WM_PAINT
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc);
            EndPaint(Handle(), &ps);
            *result = 0;
            return true;
        }
        case WM_SETTEXT:
            // The static control paints the new text itself; ours must repaint whole.
            *result = Default(msg, wp, lp);
            Repaint();
            return true;
        default:
            return false;
    }
}

}  // namespace qx::pages
