// The page window's own settings from MAINWINDOW: caption, colours,
// background picture, title-bar buttons, font and placement.
#include "setup/pages/page_window.h"

#include "setup/base/key_value_reader.h"
#include "setup/pages/layout_values.h"

namespace qx::pages {

void CImageWindow::ApplyStyleSwitch(DWORD bit, bool on) {
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit)));
}

void CImageWindow::ApplySettings(const PageSettings& settings) {
    settings_ = settings;
    SetWindowTextA(hwnd_, host_.ExpandTokens(settings.caption).c_str());
    SetBackgroundColour(settings.bkcolor);
    int border = LeadingNumber(settings.border);
    if (border == 1 || border == 0) ApplyStyleSwitch(WS_BORDER, border == 1);
    LoadBackgroundPicture(settings.bkimage);
    ApplyStyleSwitch(WS_MINIMIZEBOX, OnOnlyIfYes(settings.minwindow));
    ApplyStyleSwitch(WS_MAXIMIZEBOX, OnOnlyIfYes(settings.maxwindow));
    ApplyStyleSwitch(WS_SYSMENU, OnOnlyIfYes(settings.closewindow));
    host_.SetPageFont(settings.fontname, 0, OnUnlessNo(settings.fontbold) ? 255 : 0,
                      OnUnlessNo(settings.fontitalic) ? 255 : 0, LeadingNumber(settings.fontsize));
    pageFont_ = host_.PageFont();
    // Every page gets its own taskbar button.
    LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex | WS_EX_APPWINDOW);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CImageWindow::PlaceWindow() {
    Placement placement = PlacementFromStartup(settings_.startup);
    if (placement == Placement::Keep) return;
    RECT current;
    GetWindowRect(hwnd_, &current);
    int width = settings_.widthPixels;
    int height = EffectiveHeight(settings_.heightPixels, GetSystemMetrics(SM_CYCAPTION));
    // A layout without a size (or a missing layout) keeps the template's
    // size rather than shrinking the page to nothing.
    if (width <= 0 || height <= 0) {
        width = current.right - current.left;
        height = current.bottom - current.top;
    }
    Point at = qx::pages::PlaceWindow(placement, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width,
                                      height, {current.left, current.top});
    SetWindowPos(hwnd_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CImageWindow::SetBackgroundColour(const std::string& colour) {
    backgroundColour_ = NormaliseColour(colour, ButtonFace());
    backgroundBrush_.reset(CreateSolidBrush(ParseColorRef(backgroundColour_)));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void CImageWindow::LoadBackgroundPicture(const std::string& path) {
    // Relative names are found from the current folder, the package folder.
    if (path.empty() || !background_.Load(path)) background_.Clear();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CImageWindow::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, backgroundBrush_ ? backgroundBrush_.get() : GetSysColorBrush(COLOR_BTNFACE));
    if (background_.Loaded()) {
        RECT window;
        GetWindowRect(hwnd_, &window);
        RECT target{0, 0, window.right - window.left, window.bottom - window.top};
        background_.Stretch(dc, target);
    }
}

}  // namespace qx::pages
