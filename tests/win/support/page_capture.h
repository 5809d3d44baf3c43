// Pixels of a page window as drawn, for colour checks and screenshots.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pagetest {

struct Capture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
    std::uint32_t At(int x, int y) const;
    bool Empty() const { return pixels.empty(); }
};

// The client area (or the whole window with its frame) as it is on screen.
Capture CaptureClient(HWND hwnd);
Capture CaptureWindow(HWND hwnd);
std::uint32_t Rgb(COLORREF c);
// Writes an RGB PNG (uncompressed deflate blocks); false on a write error.
bool WritePng(const Capture& image, const std::string& path);

}  // namespace pagetest
