// The click action a control's layout gives it, told apart without Win32.
#pragma once
#include <string>

namespace qx::pages {

enum class ClickAction { None, CloseWindow, MinimizeWindow, RunApp, RunAppAndClose };

// "[Do Nothing]", any text containing "0 -" and unknown texts do nothing.
ClickAction ParseClickAction(const std::string& value);

}  // namespace qx::pages
