// A thin top-level window base: binds the C++ object to its window when it is
// created and keeps exceptions from unwinding through Windows.
#pragma once
#include <windows.h>

namespace qx {

class FrameWindow {
public:
    virtual ~FrameWindow() = default;
    HWND Hwnd() const { return hwnd_; }

protected:
    // Registers the class on first use and creates the window; WM_CREATE
    // reaches HandleMessage with Hwnd() already set.
    bool CreateFrame(HINSTANCE instance, const char* className, const char* title, DWORD style,
                     HMENU menu, HICON icon);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace qx
