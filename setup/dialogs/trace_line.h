// Format of a trace line for the monitor window.
#pragma once
#include <string>

namespace qx {

// "(%H:%M:%S) -" + text + "*"
std::string FormatTraceLine(int hour, int minute, int second, const std::string& text);

}  // namespace qx
