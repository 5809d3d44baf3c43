#include "setup/probes/req.h"

#include "setup/dialogs/trace.h"
#include "setup/probes/display_rules.h"
#include "setup/probes/os_version.h"

#include <windows.h>

namespace qx {

bool CReq::OsRequirementMet(int mask) const {
    return qx::OsRequirementMet(RunningOsVersion(), mask, [](const std::string& line) { Trace(line); });
}

int CReq::ScreenBitsPerPixel() const {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits;
}

bool CReq::ColourRequirementMet(const std::string& text) const {
    return ScreenBitsPerPixel() >= RequiredColourBits(text);
}

long long CReq::CountedMemoryMegabytes() const {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return 0;
    return CountedMegabytes(status.ullTotalPhys);
}

bool CReq::MemoryRequirementMet(int megabytes) const { return CountedMemoryMegabytes() >= megabytes; }

bool CReq::ResolutionRequirementMet(const std::string& text) const {
    return ResolutionMet(text, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace qx
