#include "setup/probes/os_rules.h"

namespace qx {

namespace {
int Build(const OsVersion& v) { return v.build & 0xFFFF; }
}  // namespace

bool IsXp(const OsVersion& v) { return v.platform == kPlatformNt && v.major == 5 && v.minor == 1; }
bool IsNet(const OsVersion& v) { return v.platform == kPlatformNt && v.major == 5 && v.minor == 2; }
bool IsVista(const OsVersion& v) { return v.platform == kPlatformNt && v.major == 6; }

std::string ShortSystemName(const OsVersion& v) {
    // Later rules overwrite earlier ones; build 2183 is the first Second Edition.
    std::string name;
    if (v.major == 4 && v.minor == 10) name = Build(v) >= 2183 ? "98SE" : "98";
    if (v.major == 4 && v.minor == 90) name = "ME";
    if (v.major == 4 && v.minor == 0) name = "NT4";
    if (v.major == 5 && v.minor == 0) name = "2000";
    if (IsXp(v)) name = "XP";
    if (IsNet(v)) name = "NET";
    if (IsVista(v)) name = "VIS";
    return name;
}

bool IsSystemOfBit(const OsVersion& v, int bit) {
    switch (bit) {
    case 1: return v.major == 4 && v.minor == 10 && Build(v) <= 2183;
    case 2: return v.major == 4 && v.minor == 10 && Build(v) >= 2183;
    case 4: return v.major == 4 && v.minor == 90;
    case 8: return v.major == 4 && v.minor == 0;
    case 16: return v.major == 5 && v.minor == 0;
    case 32: return IsXp(v);
    case 64: return IsNet(v);
    case 128: return IsVista(v);
    default: return false;
    }
}

bool OsRequirementMet(const OsVersion& v, int mask, const std::function<void(const std::string&)>& trace) {
    for (int bit = 256; bit >= 1; bit /= 2) {
        const bool inMask = (mask & bit) != 0;
        if (!inMask && IsSystemOfBit(v, bit)) return false;
        if (trace) trace(std::to_string(bit) + " " + (inMask ? "1" : "0"));
    }
    return true;
}

}  // namespace qx
