#include "page_capture.h"

#include "setup/base/unique_handle.h"

#include <fstream>

namespace pagetest {

namespace {

Capture Grab(HWND hwnd, HDC source, int width, int height) {
    Capture image;
    if (width <= 0 || height <= 0) return image;
    unique_memory_dc memory(CreateCompatibleDC(source));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap bitmap(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits) return image;
    HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    image.width = width;
    image.height = height;
    const auto* p = static_cast<const std::uint32_t*>(bits);
    image.pixels.assign(p, p + static_cast<std::size_t>(width) * height);
    for (auto& px : image.pixels) px &= 0xFFFFFF;
    SelectObject(memory.get(), old);
    return image;
}

void Put32(std::string& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out += static_cast<char>((v >> s) & 0xFF);
}

std::uint32_t Crc(const std::string& data, std::size_t from) {
    static std::uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i)
        c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void Chunk(std::string& png, const char* type, const std::string& body) {
    Put32(png, static_cast<std::uint32_t>(body.size()));
    std::size_t start = png.size();
    png += type;
    png += body;
    Put32(png, Crc(png, start));
}

}  // namespace

std::uint32_t Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFFFFu;
    return pixels[static_cast<std::size_t>(y) * width + x];
}

std::uint32_t Rgb(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

Capture CaptureClient(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    Capture image = Grab(hwnd, dc, rc.right, rc.bottom);
    ReleaseDC(hwnd, dc);
    return image;
}

Capture CaptureWindow(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    HDC dc = GetWindowDC(hwnd);
    Capture image = Grab(hwnd, dc, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(hwnd, dc);
    return image;
}

bool WritePng(const Capture& image, const std::string& path) {
    std::string raw;  // filter byte 0 and RGB per row
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = image.At(x, y);
            raw += static_cast<char>((p >> 16) & 0xFF);
            raw += static_cast<char>((p >> 8) & 0xFF);
            raw += static_cast<char>(p & 0xFF);
        }
    }
    std::string z = "\x78\x01";
    std::size_t pos = 0;
    do {
        std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>((n >> 8) & 0xFF);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    Put32(header, static_cast<std::uint32_t>(image.width));
    Put32(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << png;
    return static_cast<bool>(out);
}

}  // namespace pagetest
