// demo_walker PACKAGE_FOLDER SCREENS_FOLDER: opens setup.exe in the package
// folder, and for every page it reaches saves a screenshot and presses the
// page's forward button (Next, Install, Finish), until setup ends or no page
// moves on. Made for machines without a person at the screen.
#include "tools/trace_monitor/trace_monitor.h"
#include "tools/ui_driver/ui_driver.h"

#include <cstdio>
#include <string>

using namespace qx::ui;
using std::chrono::milliseconds;

namespace {

// The captions a wizard's way forward carries, with or without accelerator.
bool IsForwardButton(const WindowInfo& w) {
    if (!w.visible || !w.enabled) return false;
    for (const char* label : {"&Next >", "Next >", "&Install", "Install", "&Finish", "Finish"})
        if (w.text == label) return true;
    return false;
}

std::string ScreenPath(const std::string& folder, int n, const std::string& what) {
    char name[64];
    std::snprintf(name, sizeof name, "\\%02d-", n);
    std::string clean;
    for (char c : what) clean += (isalnum(static_cast<unsigned char>(c)) ? c : '_');
    if (clean.empty()) clean = "window";
    return folder + name + clean.substr(0, 40) + ".bmp";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: demo_walker PACKAGE_FOLDER SCREENS_FOLDER\n");
        return 2;
    }
    const std::string package = argv[1], screens = argv[2];
    qx::TraceMonitor monitor;
    monitor.Start([](const qx::TraceRecord& r) { std::printf("trace: %s\n", r.line.c_str()); });

    Process setup;
    if (!setup.Start(package + "\\setup.exe", package)) {
        std::fprintf(stderr, "demo_walker: cannot start %s\\setup.exe\n", package.c_str());
        return 1;
    }
    monitor.WaitForText("15", milliseconds(20000));
    Sleep(1500);  // let the background and the first page paint

    int shot = 0;
    HWND lastPage = nullptr;
    for (int step = 0; step < 40 && setup.Running(); ++step) {
        auto windows = TopLevelWindows(setup.Id());
        // The whole screen: the page as the user sees it, over the background.
        std::string path = ScreenPath(screens, ++shot, "screen");
        if (SaveWindowImage(GetDesktopWindow(), path)) std::printf("screenshot: %s\n", path.c_str());
        // The set-up type page needs a choice; the walk takes the usual one.
        for (const auto& w : windows)
            if (auto typical = FindChild(w.hwnd, [](const WindowInfo& c) { return c.text == "Typical"; }))
                ClickButton(typical->hwnd);
        // The licence page keeps Next disabled until the licence is accepted.
        for (const auto& w : windows)
            if (auto accept = FindChild(w.hwnd, [](const WindowInfo& c) {
                    return c.text == "I accept the terms in the license agreement";
                }))
                ClickButton(accept->hwnd);
        // The page on top is the one to move on from.
        HWND page = nullptr;
        std::optional<WindowInfo> forward;
        for (const auto& w : windows) {
            if (auto b = FindChild(w.hwnd, IsForwardButton)) {
                page = w.hwnd;
                forward = b;
            }
        }
        if (!forward || (page == lastPage && step > 0 && !IsWindow(page))) break;
        std::printf("pressing \"%s\"\n", forward->text.c_str());
        lastPage = page;
        ClickButton(forward->hwnd);
        WaitUntil([&] { return !setup.Running() || !IsWindow(page) || !IsWindowVisible(page); }, milliseconds(8000));
        Sleep(800);
        if (IsWindow(page) && IsWindowVisible(page) && page == lastPage) {
            std::printf("the page did not move on\n");
            break;
        }
    }
    if (setup.Running()) {
        std::printf("setup is still running: ending it\n");
        setup.Kill();
    }
    std::printf("trace lines received: %zu\n", monitor.Records().size());
    return 0;
}
