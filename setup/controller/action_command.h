// The action texts that conditions carry, told apart without running them.
#pragma once
#include <string>

namespace qx {

enum class ActionKind { None, CancelInstall, ShowMessage };

struct ActionCommand {
    ActionKind kind = ActionKind::None;
    std::string message;  // for ShowMessage
};

ActionCommand ParseActionCommand(const std::string& text);

}  // namespace qx
