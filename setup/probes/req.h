// The requirement probes the start-up check asks: each compares the machine
// with one value of the SYSTEM section. They keep no state.
#pragma once
#include <string>

namespace qx {

class CReq {
public:
    // Sends one trace line per mask bit it looks at.
    bool OsRequirementMet(int mask) const;
    bool ColourRequirementMet(const std::string& text) const;
    bool MemoryRequirementMet(int megabytes) const;
    bool ResolutionRequirementMet(const std::string& text) const;

    int ScreenBitsPerPixel() const;
    long long CountedMemoryMegabytes() const;
};

}  // namespace qx
