#include "setup/dialogs/trace_line.h"

#include <cstdio>

namespace qx {

std::string FormatTraceLine(int hour, int minute, int second, const std::string& text) {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "(%02d:%02d:%02d) -", hour % 100, minute % 100, second % 100);
    return prefix + text + "*";
}

}  // namespace qx
