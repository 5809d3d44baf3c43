// Finding and pressing what the current wizard page shows.
#pragma once
#include "tools/ui_driver/ui_driver.h"

#include <optional>
#include <string>

namespace qx::e2e {

struct PageView {
    HWND hwnd = nullptr;
    std::string name;  // from the page's "page:<name>" label
};

// The visible page of the process, if one shows.
std::optional<PageView> CurrentPage(DWORD processId);
// Waits for a visible page of that name other than the one given.
std::optional<PageView> WaitForPage(DWORD processId, const std::string& name, HWND notThis = nullptr,
                                    ui::milliseconds timeout = ui::milliseconds(15000));
// Clicks the control with this text on the page; false when there is none.
bool Press(const PageView& page, const std::string& text);
// The cancel question of the process, if it shows within the timeout.
HWND WaitForCancelQuestion(DWORD processId, ui::milliseconds timeout = ui::milliseconds(10000));
std::string TouchMarkerProgram();

}  // namespace qx::e2e
