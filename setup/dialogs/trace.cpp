#include "setup/dialogs/trace.h"

#include "setup/controller/globals.h"
#include "setup/dialogs/trace_line.h"

#include <windows.h>

namespace qx {

void Trace(const std::string& text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::string line = FormatTraceLine(now.wHour, now.wMinute, now.wSecond, text);
    HWND monitor = FindWindowA(kMonitorWindowClass, nullptr);
    if (!monitor) return;
    COPYDATASTRUCT data;
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(line.size());  // no terminating zero
    data.lpData = const_cast<char*>(line.data());
    SendMessageA(monitor, WM_COPYDATA, reinterpret_cast<WPARAM>(g_MainWindow.load()),
                 reinterpret_cast<LPARAM>(&data));
}

}  // namespace qx
