#include "setup/controller/action_command.h"

namespace qx {

ActionCommand ParseActionCommand(const std::string& text) {
    ActionCommand cmd;
    if (text == "CancelInstall();") {
        cmd.kind = ActionKind::CancelInstall;
    } else if (text.find("ShowMessage") != std::string::npos) {
        cmd.kind = ActionKind::ShowMessage;
        std::size_t open = text.find('(');
        std::string inner = open == std::string::npos ? std::string() : text.substr(open + 1);
        // The closing ");" is dropped whatever it is; a shorter text leaves nothing.
        cmd.message = inner.size() >= 2 ? inner.substr(0, inner.size() - 2) : std::string();
    }
    return cmd;
}

}  // namespace qx
