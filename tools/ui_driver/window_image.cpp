#include "tools/ui_driver/ui_driver.h"

#include <cstdio>

namespace qx::ui {

namespace {

struct ScreenArea {
    int x = 0, y = 0, width = 0, height = 0;
};

ScreenArea AreaOf(HWND window, bool clientOnly) {
    ScreenArea a;
    RECT r;
    if (clientOnly) {
        GetClientRect(window, &r);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        a.x = origin.x;
        a.y = origin.y;
    } else {
        GetWindowRect(window, &r);
        a.x = r.left;
        a.y = r.top;
        r.right -= r.left;
        r.bottom -= r.top;
        r.left = r.top = 0;
    }
    a.width = r.right - r.left;
    a.height = r.bottom - r.top;
    // A maximised window's frame lies partly off screen; only what the screen
    // shows can be copied from it.
    const int sx = GetSystemMetrics(SM_XVIRTUALSCREEN), sy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN), sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (a.x < sx) { a.width -= sx - a.x; a.x = sx; }
    if (a.y < sy) { a.height -= sy - a.y; a.y = sy; }
    if (a.x + a.width > sx + sw) a.width = sx + sw - a.x;
    if (a.y + a.height > sy + sh) a.height = sy + sh - a.y;
    return a;
}

// Copies the screen area into a top-down 32-bit DIB.
bool Grab(const ScreenArea& a, std::vector<unsigned char>& bgra) {
    if (a.width <= 0 || a.height <= 0) return false;
    HDC screen = GetDC(nullptr);
    unique_memory_dc memory(CreateCompatibleDC(screen));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = a.width;
    bi.bmiHeader.biHeight = -a.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap dib(CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool ok = false;
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory.get(), dib.get());
        ok = BitBlt(memory.get(), 0, 0, a.width, a.height, screen, a.x, a.y, SRCCOPY) != FALSE;
        GdiFlush();
        bgra.assign(static_cast<unsigned char*>(bits),
                    static_cast<unsigned char*>(bits) + static_cast<std::size_t>(a.width) * a.height * 4);
        SelectObject(memory.get(), old);
    }
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace

std::optional<Capture> CaptureClient(HWND window) {
    ScreenArea a = AreaOf(window, true);
    std::vector<unsigned char> bgra;
    if (!Grab(a, bgra)) return std::nullopt;
    Capture c;
    c.width = a.width;
    c.height = a.height;
    c.pixels.resize(static_cast<std::size_t>(a.width) * a.height);
    for (std::size_t i = 0; i < c.pixels.size(); ++i)
        c.pixels[i] = RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]);
    return c;
}

bool SaveWindowImage(HWND window, const std::string& bmpPath, bool clientOnly) {
    ScreenArea a = AreaOf(window, clientOnly);
    std::vector<unsigned char> bgra;
    if (!Grab(a, bgra)) return false;
    const int rowBytes = (a.width * 3 + 3) & ~3;
    const DWORD imageBytes = static_cast<DWORD>(rowBytes) * a.height;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + imageBytes;
    ih.biSize = sizeof ih;
    ih.biWidth = a.width;
    ih.biHeight = a.height;  // bottom-up rows
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = imageBytes;
    FILE* f = std::fopen(bmpPath.c_str(), "wb");
    if (!f) return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes), 0);
    for (int y = a.height - 1; y >= 0; --y) {
        const unsigned char* src = &bgra[static_cast<std::size_t>(y) * a.width * 4];
        for (int x = 0; x < a.width; ++x) {
            row[x * 3] = src[x * 4];
            row[x * 3 + 1] = src[x * 4 + 1];
            row[x * 3 + 2] = src[x * 4 + 2];
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    return std::fclose(f) == 0;
}

}  // namespace qx::ui
