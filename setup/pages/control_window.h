// Base of the page's control classes: owns the binding between one pooled
// C++ object and the child window it currently drives. The page reflects
// colour requests and notifications to the object of the sending child.
#pragma once
#include "setup/pages/page_layout.h"

#include <windows.h>

#include <string>

namespace qx::pages {

// Sent by a control to its page to paint the page background into a device
// context whose origin is the page's client origin (wParam: HDC). Controls
// that do not fill themselves use it so the page colour or picture shows
// through them.
constexpr UINT kMsgPaintPageBackground = WM_APP + 0x51;

class CControlWindow {
public:
    CControlWindow() = default;
    CControlWindow(const CControlWindow&) = delete;
    CControlWindow& operator=(const CControlWindow&) = delete;
    virtual ~CControlWindow();

    // Creates the child window and binds it to this object; false when the
    // window class refused.
    bool Create(DWORD exStyle, const char* className, const std::string& text, DWORD style,
                const Rect& rect, HWND parent, int id);
    void Destroy();
    HWND Handle() const { return hwnd_; }

    // Reflected WM_CTLCOLOR* from the page; nullptr leaves the default.
    virtual HBRUSH OnColorRequest(HDC dc) { return nullptr; }
    // Reflected WM_NOTIFY from the page; true when handled with *result.
    virtual bool OnNotify(const NMHDR& header, LRESULT* result) { return false; }

    static CControlWindow* FromHandle(HWND hwnd);

protected:
    // Back to the state of a fresh pool object, before the next page uses it.
    virtual void Reset() {}
    // Messages of the bound window; true when handled with *result.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);
    void Repaint() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    HWND hwnd_ = nullptr;
};

// Has the page paint what lies under the control into the control's DC.
void PaintPageUnder(HWND control, HDC dc);

// The current button-face colour as a colour text and as RGB.
Rgb ButtonFace();
COLORREF ToColorRef(const Rgb& c);
COLORREF ParseColorRef(const std::string& text);

}  // namespace qx::pages
