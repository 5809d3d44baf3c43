// Colours of the full-screen background gradient, kept free of GDI.
#pragma once
#include <string>

namespace qx {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// "name@0xRR,0xGG,0xBB": only 0x00, 0x80, 0xC0 and 0xFF are known components;
// anything else paints as 0.
Rgb ParseBackgroundColor(const std::string& text);

// Colour of pixel row y of a gradient of the given height (truncating division).
Rgb GradientRow(const Rgb& top, const Rgb& bottom, int y, int height);

}  // namespace qx
