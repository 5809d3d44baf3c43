#include "setup/probes/display_rules.h"

#include "setup/base/key_value_reader.h"

#include <cstdio>
#include <cstdlib>

namespace qx {

int RequiredColourBits(const std::string& text) {
    if (text == "256 colors") return 8;
    if (text == "65.636 colors") return 16;
    if (text == "24bit colors") return 24;
    if (text == "32bit colors") return 32;
    return 0;
}

Resolution RequiredResolution(const std::string& text) {
    Resolution r;
    std::size_t x = text.find('x');
    if (x == std::string::npos) {
        r.height = LeadingNumber(text);
    } else {
        r.width = LeadingNumber(text.substr(0, x));
        r.height = LeadingNumber(text.substr(x + 1));
    }
    return r;
}

bool ResolutionMet(const std::string& text, int screenWidth, int screenHeight) {
    if (text == "Any resolution") return true;
    Resolution r = RequiredResolution(text);
    return screenWidth >= r.width && screenHeight >= r.height;
}

long long CountedMegabytes(std::uint64_t bytes) {
    // The figure goes through its printed form, as the requirement was always
    // compared with the text a user would read.
    double megabytes = static_cast<double>(bytes / (1024ull * 1024ull)) + 1.0;
    char text[64];
    std::snprintf(text, sizeof text, "%7.0lf", megabytes);
    return std::strtoll(text, nullptr, 10);
}

}  // namespace qx
