#include "tools/ui_driver/ui_driver.h"

#include <thread>

namespace qx::ui {

namespace {

std::string ClassOf(HWND hwnd) {
    char buf[256] = "";
    GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

// WM_GETTEXT crosses processes for every window class, unlike GetWindowText
// on controls of another process.
std::string TextOf(HWND hwnd) {
    LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

struct TopLevelSearch {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

// Named callbacks: on 32-bit Windows a lambda cannot become a stdcall pointer.
BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
    auto* c = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == c->pid && (!c->visibleOnly || IsWindowVisible(hwnd))) c->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

}  // namespace

WindowInfo Describe(HWND hwnd) {
    WindowInfo w;
    w.hwnd = hwnd;
    w.className = ClassOf(hwnd);
    w.text = TextOf(hwnd);
    w.id = static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_ID));
    GetWindowRect(hwnd, &w.rect);
    w.enabled = IsWindowEnabled(hwnd) != FALSE;
    w.visible = IsWindowVisible(hwnd) != FALSE;
    return w;
}

std::vector<WindowInfo> TopLevelWindows(DWORD processId, bool visibleOnly) {
    TopLevelSearch ctx{processId, visibleOnly, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&ctx));
    std::vector<WindowInfo> out;
    for (HWND h : ctx.found) out.push_back(Describe(h));
    return out;
}

std::vector<WindowInfo> Children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    std::vector<WindowInfo> out;
    for (HWND h : found) out.push_back(Describe(h));
    return out;
}

std::optional<WindowInfo> FindChild(HWND parent, const std::function<bool(const WindowInfo&)>& match) {
    for (const auto& w : Children(parent))
        if (match(w)) return w;
    return std::nullopt;
}

std::optional<WindowInfo> FindChildById(HWND parent, int id) {
    return FindChild(parent, [id](const WindowInfo& w) { return w.id == id; });
}

std::optional<WindowInfo> FindChildByText(HWND parent, const std::string& text) {
    return FindChild(parent, [&text](const WindowInfo& w) { return w.text == text; });
}

bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(milliseconds(50));
    }
}

std::optional<WindowInfo> WaitForWindow(DWORD processId, const std::function<bool(const WindowInfo&)>& match,
                                        milliseconds timeout) {
    std::optional<WindowInfo> found;
    WaitUntil(
        [&] {
            for (const auto& w : TopLevelWindows(processId))
                if (match(w)) {
                    found = w;
                    return true;
                }
            return false;
        },
        timeout);
    return found;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, milliseconds timeout) {
    auto box = WaitForWindow(processId, [](const WindowInfo& w) { return w.className == "#32770"; }, timeout);
    if (!box) return std::nullopt;
    MessageBoxInfo info;
    info.hwnd = box->hwnd;
    info.caption = box->text;
    for (const auto& child : Children(box->hwnd)) {
        if (child.className == "Button") info.buttons.push_back(child);
        else if (child.className == "Static" && child.text.size() > info.text.size()) info.text = child.text;
    }
    return info;
}

bool AnswerMessageBox(const MessageBoxInfo& box, const std::string& buttonText, int fallbackId) {
    for (const auto& b : box.buttons) {
        if (b.text == buttonText) {
            ClickButton(b.hwnd);
            return true;
        }
    }
    for (const auto& b : box.buttons) {
        if (b.id == fallbackId) {
            ClickButton(b.hwnd);
            return true;
        }
    }
    return false;
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void ClickAt(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, UINT virtualKey) {
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

}  // namespace qx::ui
