// What the installer concludes from a Windows version triple: the short
// system name the engine filters by, and the requirement mask test. Pure, so
// every known system can be checked without running on it.
#pragma once
#include <functional>
#include <string>

namespace qx {

constexpr int kPlatform9x = 1;
constexpr int kPlatformNt = 2;

struct OsVersion {
    int platform = 0;  // 1 = Windows 9x family, 2 = NT family
    int major = 0;
    int minor = 0;
    int build = 0;     // only the low 16 bits carry meaning
};

bool IsXp(const OsVersion& v);
bool IsNet(const OsVersion& v);
bool IsVista(const OsVersion& v);

// "98", "98SE", "ME", "NT4", "2000", "XP", "NET", "VIS", or empty.
std::string ShortSystemName(const OsVersion& v);

// Requirement mask bits: 1 = 98, 2 = 98SE, 4 = ME, 8 = NT4, 16 = 2000,
// 32 = XP, 64 = NET, 128 = VIS; 256 tests nothing.
bool IsSystemOfBit(const OsVersion& v, int bit);

// Walks the bits from 256 down to 1. A bit that is missing from the mask while
// the machine is that system fails at once; every other bit reports the line
// "<bit> <1 if in mask else 0>" to the sink.
bool OsRequirementMet(const OsVersion& v, int mask, const std::function<void(const std::string&)>& trace);

}  // namespace qx
