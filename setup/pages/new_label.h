// Texts, links, filled rectangles, hot spots, text panels (CNewLabel): a
// static control that paints itself. It fills its rectangle only when its
// background differs from the button face; otherwise the page shows through.
#pragma once
#include "setup/base/unique_handle.h"
#include "setup/pages/control_window.h"

namespace qx::pages {

class CNewLabel : public CControlWindow {
public:
    void SetFont(const std::string& face, int points, bool bold, bool italic);
    void TakePageFont(HFONT pageFont);
    // "Left", "Center" or "Right": word-wrapped text with that alignment.
    void SetAlignment(const std::string& alignment);
    void SetTextColor(COLORREF colour);
    void SetBackgroundColor(const std::string& colour);
    void SetLink(int flag);  // 255 or 0

    bool FillsBackground() const { return fill_; }
    COLORREF TextColor() const { return text_; }
    UINT AlignmentFlags() const { return alignment_; }
    HFONT CurrentFont() const { return font_ ? font_.get() : pageFont_; }

protected:
    void Reset() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void RemakeFont();
    void Paint(HDC dc);

    UINT alignment_ = 0;
    bool fill_ = false;
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    COLORREF text_ = RGB(0, 0, 0);
    unique_hbrush brush_;
    bool link_ = false, bold_ = false, italic_ = false;
    int height_ = 0;
    std::string face_;
    unique_hfont font_;
    HFONT pageFont_ = nullptr;  // owned by the host
};

}  // namespace qx::pages
