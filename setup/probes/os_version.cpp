#include "setup/probes/os_version.h"

#include <windows.h>

namespace qx {

namespace {

OsVersion AskSystem() {
    OsVersion v;
    OSVERSIONINFOA basic = {};
    basic.dwOSVersionInfoSize = sizeof basic;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&basic)) return v;
    v.platform = basic.dwPlatformId == VER_PLATFORM_WIN32_NT ? kPlatformNt : kPlatform9x;
    v.major = static_cast<int>(basic.dwMajorVersion);
    v.minor = static_cast<int>(basic.dwMinorVersion);
    v.build = static_cast<int>(basic.dwBuildNumber & 0xFFFF);
    if (v.platform == kPlatformNt && v.major >= 5) {
        OSVERSIONINFOEXA extended = {};
        extended.dwOSVersionInfoSize = sizeof extended;
        if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
            v.major = static_cast<int>(extended.dwMajorVersion);
            v.minor = static_cast<int>(extended.dwMinorVersion);
            v.build = static_cast<int>(extended.dwBuildNumber & 0xFFFF);
        }
    }
#pragma GCC diagnostic pop
    return v;
}

}  // namespace

const OsVersion& RunningOsVersion() {
    static const OsVersion version = AskSystem();
    return version;
}

}  // namespace qx
