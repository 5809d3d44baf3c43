// Trace lines to an external monitor window, if one runs. Callable from any thread.
#pragma once
#include <string>

namespace qx {

// The class of the monitor's top-level window.
constexpr const char* kMonitorWindowClass = "MorvaineEvent";

void Trace(const std::string& text);

}  // namespace qx
