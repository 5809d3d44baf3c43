// Drives a program through its real windows for end-to-end tests: start it,
// find its top-level windows and their controls, click, answer message boxes,
// and save what a window shows as a picture.
#pragma once
#include "setup/base/unique_handle.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qx::ui {

using std::chrono::milliseconds;

struct WindowInfo {
    HWND hwnd = nullptr;
    std::string className;
    std::string text;
    int id = 0;
    RECT rect = {};  // screen coordinates
    bool enabled = false;
    bool visible = false;
};

class Process {
public:
    // Starts the program with the given working folder; false when it could not start.
    bool Start(const std::string& exe, const std::string& workingFolder, const std::string& arguments = "");
    DWORD Id() const { return id_; }
    bool Running() const;
    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> WaitForExit(milliseconds timeout) const;
    void Kill();
    ~Process();

private:
    unique_kernel_handle process_;
    DWORD id_ = 0;
};

WindowInfo Describe(HWND hwnd);
std::vector<WindowInfo> TopLevelWindows(DWORD processId, bool visibleOnly = true);
std::vector<WindowInfo> Children(HWND parent);
std::optional<WindowInfo> FindChild(HWND parent, const std::function<bool(const WindowInfo&)>& match);
std::optional<WindowInfo> FindChildById(HWND parent, int id);
std::optional<WindowInfo> FindChildByText(HWND parent, const std::string& text);

// Polls until a visible top-level window of the process matches.
std::optional<WindowInfo> WaitForWindow(DWORD processId, const std::function<bool(const WindowInfo&)>& match,
                                        milliseconds timeout);
bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout);

// A message box (dialog class "#32770") of the process: its caption, its text
// and its buttons. The text is the longest static text in it.
struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
    std::vector<WindowInfo> buttons;
};
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, milliseconds timeout);
// Presses the button with this text ("OK", "&Yes", ...) or, if none, this id.
bool AnswerMessageBox(const MessageBoxInfo& box, const std::string& buttonText, int fallbackId = IDOK);

// A button click as the button itself reports it to its parent.
void ClickButton(HWND button);
// A left mouse click in the middle of a window (for controls that are not buttons).
void ClickAt(HWND window);
void PressKey(HWND window, UINT virtualKey);

// What the window shows on screen now, as a 24-bit BMP; false on failure.
bool SaveWindowImage(HWND window, const std::string& bmpPath, bool clientOnly = false);

// Pixels of the client area as shown on screen, row by row from the top.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
std::optional<Capture> CaptureClient(HWND window);

}  // namespace qx::ui
