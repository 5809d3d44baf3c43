#include "setup/pages/click_action.h"

namespace qx::pages {

ClickAction ParseClickAction(const std::string& value) {
    if (value.find("0 -") != std::string::npos) return ClickAction::None;
    if (value == "1 - Close Window") return ClickAction::CloseWindow;
    if (value == "2 - Minimize Window") return ClickAction::MinimizeWindow;
    if (value == "3 - Run App") return ClickAction::RunApp;
    if (value == "4 - Run App and Close") return ClickAction::RunAppAndClose;
    return ClickAction::None;
}

}  // namespace qx::pages
