// Modeless page windows get their keyboard navigation from the message loop,
// which asks each registered dialog first.
#pragma once
#include <windows.h>

namespace qx {

void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);
// True when one of the registered dialogs took the message.
bool RouteToModelessDialog(MSG* msg);

}  // namespace qx
