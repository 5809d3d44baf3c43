// The bundled demo package, built by the package builder from the repository
// and walked page by page through setup.exe's real windows to Finish; every
// page is kept as a screenshot for a person to look at.
#include "support/package_fixture.h"
#include "support/setup_run.h"

#include "tools/qxpack/package_builder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qx::e2e {
namespace {

using std::chrono::milliseconds;

std::optional<ui::WindowInfo> VisiblePage(DWORD pid, HWND notThis) {
    for (const auto& w : ui::TopLevelWindows(pid))
        if (w.className == "#32770" && w.hwnd != notThis && w.text == "Trombela Setup") return w;
    return std::nullopt;
}

std::optional<ui::WindowInfo> ForwardButton(HWND page) {
    for (const char* label : {"&Install", "&Next >", "&Finish"}) {
        auto b = ui::FindChildByText(page, label);
        if (b && b->visible && b->enabled) return b;
    }
    return std::nullopt;
}

TEST(DemoPackage, WalksEveryPageToFinishWithScreenshots) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string package = std::string(temp) + "qxe2e_demo_" + std::to_string(GetCurrentProcessId()) + "\\";
    PackageBuildOptions options;
    options.inputFolder = WinePath(QX_SOURCE_DIR) + "\\demo\\package";
    options.outputFolder = package;
    std::string error;
    ASSERT_TRUE(BuildPackage(options, &error)) << error;
    ASSERT_TRUE(CopyFileA(SetupExePath().c_str(), (package + "setup.exe").c_str(), FALSE));

    const std::string shots = ArtifactFolder("demo");
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    HWND last = nullptr;
    int pages = 0;
    bool finished = false;
    for (int step = 0; step < 20 && !finished; ++step) {
        std::optional<ui::WindowInfo> page;
        ASSERT_TRUE(ui::WaitUntil([&] { return (page = VisiblePage(run.Process().Id(), last)).has_value(); },
                                  milliseconds(15000)))
            << "no new page after page " << pages;
        ++pages;
        last = page->hwnd;
        ui::WaitUntil([] { return false; }, milliseconds(500));  // let it paint
        char name[32];
        std::snprintf(name, sizeof name, "page%02d.bmp", pages);
        // The progress page ends itself once the run is over; it may be gone already.
        if (IsWindowVisible(page->hwnd)) ui::SaveWindowImage(page->hwnd, shots + name);
        if (auto typical = ui::FindChildByText(page->hwnd, "Typical")) ui::ClickButton(typical->hwnd);
        // The licence page keeps Next disabled until the licence is accepted.
        if (auto accept = ui::FindChildByText(page->hwnd, "I accept the terms in the license agreement"))
            ui::ClickButton(accept->hwnd);
        auto forward = ForwardButton(page->hwnd);
        if (!forward) {
            ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindowVisible(page->hwnd); }, milliseconds(15000)))
                << "page " << pages << " has no way forward and stays";
            continue;
        }
        finished = forward->text == "&Finish";
        ui::ClickButton(forward->hwnd);
    }
    EXPECT_TRUE(finished);
    // Ten listed pages; Typical skips the custom set-up page and the progress
    // page passes by itself, but may still be caught on screen.
    EXPECT_GE(pages, 8);
    auto code = run.Process().WaitForExit(milliseconds(15000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace qx::e2e
