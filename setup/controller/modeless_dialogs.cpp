#include "setup/controller/modeless_dialogs.h"

#include <algorithm>
#include <vector>

namespace qx {

namespace {
// Only the user-interface thread's loop reads this list and only that thread
// creates page windows, so it needs no lock.
std::vector<HWND>& Dialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}
}  // namespace

void RegisterModelessDialog(HWND dialog) {
    if (dialog && std::find(Dialogs().begin(), Dialogs().end(), dialog) == Dialogs().end())
        Dialogs().push_back(dialog);
}

void UnregisterModelessDialog(HWND dialog) {
    auto& d = Dialogs();
    d.erase(std::remove(d.begin(), d.end(), dialog), d.end());
}

bool RouteToModelessDialog(MSG* msg) {
    for (HWND dialog : Dialogs())
        if (IsWindow(dialog) && IsDialogMessageA(dialog, msg)) return true;
    return false;
}

}  // namespace qx
