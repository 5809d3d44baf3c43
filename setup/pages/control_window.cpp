#include "setup/pages/control_window.h"

#include <commctrl.h>

namespace qx::pages {

namespace {
constexpr UINT_PTR kSubclassId = 0x5158;  // one subclass per control window
// Finds the object of a child window from the page's message handlers.
constexpr char kObjectProperty[] = "qx.page.control";
}

CControlWindow::~CControlWindow() { Destroy(); }

bool CControlWindow::Create(DWORD exStyle, const char* className, const std::string& text, DWORD style,
                            const Rect& rect, HWND parent, int id) {
    Destroy();
    Reset();
    // Layouts stack controls (a band under texts and buttons); clipping
    // siblings keeps a lower control from painting over the ones above it.
    HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, rect.left,
                                rect.top, rect.Width(), rect.Height(), parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                nullptr);
    if (!hwnd) return false;
    hwnd_ = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
    SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void CControlWindow::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY unbinds
    hwnd_ = nullptr;
}

CControlWindow* CControlWindow::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CControlWindow*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

LRESULT CControlWindow::Default(UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(hwnd_, msg, wp, lp); }

void CControlWindow::Repaint() const {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK CControlWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                              DWORD_PTR data) {
    auto* self = reinterpret_cast<CControlWindow*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        RemovePropA(hwnd, kObjectProperty);
        if (self->hwnd_ == hwnd) self->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    if (self->OnMessage(msg, wp, lp, &result)) return result;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void PaintPageUnder(HWND control, HDC dc) {
    POINT origin{0, 0};
    MapWindowPoints(control, GetParent(control), &origin, 1);
    POINT old;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageA(GetParent(control), kMsgPaintPageBackground, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

Rgb ButtonFace() {
    COLORREF c = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

COLORREF ToColorRef(const Rgb& c) {
    return RGB(static_cast<BYTE>(c.r), static_cast<BYTE>(c.g), static_cast<BYTE>(c.b));
}

COLORREF ParseColorRef(const std::string& text) { return ToColorRef(ParseColour(text)); }

}  // namespace qx::pages
