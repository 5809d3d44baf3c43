// Push buttons and group boxes (CMyButton), radio buttons and check boxes
// (CMyRadioButton): standard buttons that answer their colour requests.
#pragma once
#include "setup/base/unique_handle.h"
#include "setup/pages/control_window.h"

namespace qx::pages {

class CMyButton : public CControlWindow {
public:
    void SetFont(const std::string& face, int points, bool bold, bool italic);
    void SetBackgroundColor(const std::string& colour);
    HBRUSH OnColorRequest(HDC dc) override;

protected:
    void Reset() override;

private:
    COLORREF text_ = RGB(0, 0, 0);
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    unique_hfont font_;
    unique_hbrush brush_;
};

class CMyRadioButton : public CControlWindow {
public:
    void SetBackgroundColor(const std::string& colour);
    void SetTextColor(const std::string& colour);
    COLORREF TextColor() const { return text_; }
    COLORREF BackgroundColor() const { return background_; }
    HBRUSH OnColorRequest(HDC dc) override;

protected:
    void Reset() override;

private:
    // Readable on a plain page until the layout gives its colours.
    COLORREF text_ = RGB(0, 0, 0);
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    unique_hbrush brush_;
};

}  // namespace qx::pages
