// Drives the envelope program's window from a test: finds windows and
// controls, answers its modal dialogs from a helper thread, runs Unix
// commands of the test machine and saves window pictures.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace trombela_test {

std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);
// The texts of a dialog's static controls, joined with newlines.
std::wstring DialogText(HWND dialog);
// A control anywhere below `root` (panels included) by its identifier.
HWND FindControl(HWND root, int id);

// Top-level windows of process `pid` (0: this process).
HWND FindTopWindow(DWORD pid, const std::function<bool(HWND)>& match);
HWND WaitTopWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD timeout_ms);

// Answers the next modal dialog of a process from a helper thread while the
// window's own thread sits in the dialog's loop.
class DialogAnswerer {
public:
    enum Kind { kMessageBox, kFileDialog, kPrintDialog, kFontDialog };
    struct Action {
        Kind kind = kMessageBox;
        std::wstring title;      // message boxes: the exact title
        int button = IDOK;       // the button to press
        std::wstring file_name;  // file dialogs: typed into the name box
        std::wstring printer;    // print dialogs: the printer to choose, if any
    };
    DialogAnswerer(DWORD pid, Action action, DWORD timeout_ms = 30000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the helper; true when a matching dialog was found and answered.
    bool Finish();
    const std::wstring& seen_text() const { return seen_text_; }

private:
    void Run(DWORD pid, Action action, DWORD timeout_ms);
    std::thread thread_;
    std::atomic<bool> answered_{false};
    std::wstring seen_text_;
};

// Clicks a button the way a user does, without waiting for its handler.
void PostClick(HWND button);

// Runs `command` with /bin/sh on the test machine and waits for it to end.
// Returns its exit status, or -1 when it could not be started or timed out.
int RunUnix(const std::string& command, std::string* output = nullptr, DWORD timeout_ms = 120000);
std::string UnixPath(const std::wstring& windows_path);
std::wstring WindowsPath(const std::string& unix_path);

// A picture of the window as it is on screen, as a BMP file.
bool SaveWindowBitmap(HWND hwnd, const std::wstring& path);

// A fresh empty folder below the system's temporary folder.
std::wstring MakeTempFolder(const wchar_t* prefix);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);

}  // namespace trombela_test
