#include "support/trombela_driver.h"

#include <cstdlib>

namespace trombela_test {
namespace {

constexpr int kFileNameCombo = 0x47c;  // cmb13 of the file dialogs
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFontFaceCombo = 0x470;  // cmb1 of the font dialog
constexpr int kPrinterCombo = 0x473;   // cmb4 of the print dialog

bool IsDialogOf(HWND hwnd, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    return owner == (pid ? pid : GetCurrentProcessId()) && ClassName(hwnd) == L"#32770" &&
           IsWindowVisible(hwnd);
}

HWND FindDialogChild(HWND dialog, int id) { return FindControl(dialog, id); }

}  // namespace

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[4096] = {};
    // WM_GETTEXT also reads controls of other processes.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return buffer;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring DialogText(HWND dialog) {
    std::wstring text;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (ClassName(c) != L"Static") continue;
        const std::wstring t = WindowText(c);
        if (t.empty()) continue;
        if (!text.empty()) text += L"\n";
        text += t;
    }
    return text;
}

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

// Named callbacks: 32-bit Windows wants them stdcall, which lambdas are not.
BOOL CALLBACK MatchControl(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ControlSearch*>(lp);
    if (GetDlgCtrlID(hwnd) == s->id) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct TopSearch {
    DWORD pid;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s->pid && (*s->match)(hwnd)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindControl(HWND root, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(root, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD pid, const std::function<bool(HWND)>& match) {
    TopSearch search{pid ? pid : GetCurrentProcessId(), &match, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitTopWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = FindTopWindow(pid, match)) return found;
        if (GetTickCount() - start > timeout_ms) return nullptr;
        Sleep(50);
    }
}

void PostClick(HWND button) {
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

DialogAnswerer::DialogAnswerer(DWORD pid, Action action, DWORD timeout_ms)
    : thread_([this, pid, action, timeout_ms] { Run(pid, action, timeout_ms); }) {}

DialogAnswerer::~DialogAnswerer() {
    if (thread_.joinable()) thread_.join();
}

bool DialogAnswerer::Finish() {
    if (thread_.joinable()) thread_.join();
    return answered_;
}

void DialogAnswerer::Run(DWORD pid, Action action, DWORD timeout_ms) {
    const HWND dialog = WaitTopWindow(
        pid,
        [&](HWND hwnd) {
            if (!IsDialogOf(hwnd, pid)) return false;
            switch (action.kind) {
            case kMessageBox: return WindowText(hwnd) == action.title;
            case kFileDialog:
                return FindDialogChild(hwnd, kFileNameCombo) || FindDialogChild(hwnd, kFileNameEdit);
            case kFontDialog: return FindDialogChild(hwnd, kFontFaceCombo) != nullptr;
            case kPrintDialog: return FindDialogChild(hwnd, kPrinterCombo) != nullptr;
            }
            return false;
        },
        timeout_ms);
    if (!dialog) return;
    // Let the dialog finish initialising before it is answered.
    Sleep(300);
    seen_text_ = DialogText(dialog);
    if (action.kind == kFileDialog) {
        for (int id : {kFileNameCombo, kFileNameEdit})
            if (HWND box = FindDialogChild(dialog, id))
                SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(action.file_name.c_str()));
    }
    if (action.kind == kPrintDialog && !action.printer.empty()) {
        HWND printers = FindDialogChild(dialog, kPrinterCombo);
        SendMessageW(printers, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(action.printer.c_str()));
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kPrinterCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(printers));
        Sleep(300);
    }
    HWND button = GetDlgItem(dialog, action.button);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(action.button, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    // Answered once the dialog is gone.
    for (int i = 0; i < 200 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Sleep(50);
    answered_ = !IsWindow(dialog) || !IsWindowVisible(dialog);
}

std::string UnixPath(const std::wstring& windows_path) {
    using Fn = char*(CDECL*)(const wchar_t*);
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!fn) return {};
    char* unix_name = fn(windows_path.c_str());
    if (!unix_name) return {};
    std::string out = unix_name;
    HeapFree(GetProcessHeap(), 0, unix_name);
    return out;
}

std::wstring WindowsPath(const std::string& unix_path) {
    std::wstring out = L"Z:";
    for (char c : unix_path) out += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return out;
}

int RunUnix(const std::string& command, std::string* output, DWORD timeout_ms) {
    // Wine starts Unix programs without a process handle to wait on, so the
    // command reports its end through a status file.
    const std::wstring folder = MakeTempFolder(L"unix");
    const std::string status = UnixPath(folder) + "/status";
    const std::string script = UnixPath(folder) + "/run.sh";
    WriteBytes(WindowsPath(script), command + "\n");
    std::string line = "/bin/sh -c \"/bin/sh '" + script + "' > '" + UnixPath(folder) +
                       "/output' 2>&1; echo $? > '" + status + ".tmp'; mv '" + status + ".tmp' '" + status + "'\"";
    std::wstring wide(line.begin(), line.end());
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout_ms) {
        const std::string code = ReadBytes(WindowsPath(status));
        if (!code.empty()) {
            if (output) *output = ReadBytes(WindowsPath(UnixPath(folder) + "/output"));
            return std::atoi(code.c_str());
        }
        Sleep(100);
    }
    return -1;
}

bool SaveWindowBitmap(HWND hwnd, const std::wstring& path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int stride = ((w * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + stride * h;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    bytes.append(static_cast<const char*>(bits), size_t(stride) * h);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return WriteBytes(path, bytes);
}

std::wstring MakeTempFolder(const wchar_t* prefix) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static std::atomic<int> counter{0};
    for (;;) {
        const std::wstring folder = std::wstring(base) + L"trb-" + prefix + L"-" +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                                    L"-" + std::to_wstring(GetTickCount());
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &put, nullptr) && put == bytes.size();
    CloseHandle(file);
    return ok;
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) out.append(buffer, got);
    CloseHandle(file);
    return out;
}

}  // namespace trombela_test
