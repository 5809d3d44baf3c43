#include "setup/controller/frame_window.h"

#include <exception>

namespace qx {

bool FrameWindow::CreateFrame(HINSTANCE instance, const char* className, const char* title, DWORD style,
                              HMENU menu, HICON icon) {
    WNDCLASSEXA wc = {};
    if (!GetClassInfoExA(instance, className, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = className;
        if (!RegisterClassExA(&wc)) return false;
    }
    HWND hwnd = CreateWindowExA(0, className, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, menu, instance, this);
    return hwnd != nullptr;
}

LRESULT FrameWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK FrameWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    FrameWindow* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<FrameWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        LRESULT r = self->HandleMessage(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return r;
    } catch (const std::exception& e) {
        MessageBoxA(hwnd, e.what(), "Setup", MB_OK | MB_ICONSTOP);
    } catch (...) {
        MessageBoxA(hwnd, "Unexpected error.", "Setup", MB_OK | MB_ICONSTOP);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace qx
