// Screen and memory requirement texts, as the SYSTEM section writes them.
#pragma once
#include <cstdint>
#include <string>

namespace qx {

// Bits per pixel a colour text asks for; 0 for a text not recognised.
int RequiredColourBits(const std::string& text);

struct Resolution {
    int width = 0;
    int height = 0;
};
// "Any resolution" asks for nothing; otherwise the numbers before and after
// the first "x" (no "x": width 0 and the whole text as the height).
Resolution RequiredResolution(const std::string& text);
bool ResolutionMet(const std::string& text, int screenWidth, int screenHeight);

// Installed memory in bytes as the requirement counts it: whole megabytes
// plus one, so a machine reporting 511.9 MB counts as 512.
long long CountedMegabytes(std::uint64_t bytes);

}  // namespace qx
