#include "setup/dialogs/modal_dialog.h"

#include <exception>

namespace qx {

INT_PTR DialogBase::RunModal(HWND owner, int templateId) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, Proc,
                           reinterpret_cast<LPARAM>(this));
}

HWND DialogBase::CreateModeless(HWND owner, int templateId) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, Proc,
                              reinterpret_cast<LPARAM>(this));
}

void DialogBase::CentreOnScreen() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBase::SetItemText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }

void DialogBase::ShowItem(int id, bool show) { ShowWindow(GetDlgItem(hwnd_, id), show ? SW_SHOW : SW_HIDE); }

INT_PTR CALLBACK DialogBase::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DialogBase* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        switch (msg) {
        case WM_INITDIALOG:
            self->OnInitDialog();
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == 0) return self->OnCommand(LOWORD(wp)) ? TRUE : FALSE;
            return FALSE;
        case WM_CLOSE:
            // The close box acts as Cancel, like Escape.
            return self->OnCommand(IDCANCEL) ? TRUE : FALSE;
        case WM_DESTROY:
            self->OnDestroy();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, DWLP_USER, 0);
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
        }
    } catch (const std::exception& e) {
        MessageBoxA(hwnd, e.what(), "Setup", MB_OK | MB_ICONSTOP);
    }
    return FALSE;
}

}  // namespace qx
