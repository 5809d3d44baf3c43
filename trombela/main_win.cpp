// The envelope program: one window, one message loop.
#include "trombela/koperta_form_win.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    // Pictures come through the OLE picture loader.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
    int rc = 1;
    {
        trombela::Tkoperta_f form;
        if (form.Create(show)) {
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (form.hwnd() && IsDialogMessageW(form.hwnd(), &msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            rc = 0;
        }
    }
    OleUninitialize();
    return rc;
}
