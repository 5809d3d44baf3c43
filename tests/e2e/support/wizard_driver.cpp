#include "wizard_driver.h"

#include "package_fixture.h"

namespace qx::e2e {

std::optional<PageView> CurrentPage(DWORD processId) {
    for (const auto& w : ui::TopLevelWindows(processId)) {
        if (w.className != "#32770") continue;
        for (const auto& c : ui::Children(w.hwnd)) {
            if (c.text.rfind("page:", 0) == 0 && c.visible) return PageView{w.hwnd, c.text.substr(5)};
        }
    }
    return std::nullopt;
}

std::optional<PageView> WaitForPage(DWORD processId, const std::string& name, HWND notThis,
                                    ui::milliseconds timeout) {
    std::optional<PageView> found;
    ui::WaitUntil(
        [&] {
            found = CurrentPage(processId);
            return found && found->name == name && found->hwnd != notThis;
        },
        timeout);
    if (found && (found->name != name || found->hwnd == notThis)) return std::nullopt;
    return found;
}

bool Press(const PageView& page, const std::string& text) {
    auto control = ui::FindChildByText(page.hwnd, text);
    if (!control) return false;
    ui::ClickButton(control->hwnd);
    return true;
}

HWND WaitForCancelQuestion(DWORD processId, ui::milliseconds timeout) {
    auto w = ui::WaitForWindow(
        processId, [](const ui::WindowInfo& i) { return i.className == "#32770" && i.text == "Morvaine Quendrix"; },
        timeout);
    return w ? w->hwnd : nullptr;
}

std::string TouchMarkerProgram() { return ReadFileBytes(WinePath(QX_BINARY_DIR) + "\\tests\\touch_marker.exe"); }

}  // namespace qx::e2e
