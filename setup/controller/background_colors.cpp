#include "setup/controller/background_colors.h"

namespace qx {

namespace {

int Component(const std::string& text) {
    if (text == "0x00") return 0;
    if (text == "0x80") return 128;
    if (text == "0xC0") return 192;
    if (text == "0xFF") return 255;
    return 0;
}

}  // namespace

Rgb ParseBackgroundColor(const std::string& text) {
    std::size_t at = text.find('@');
    std::string rest = at == std::string::npos ? text : text.substr(at + 1);
    int parts[3] = {0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t comma = rest.find(',', start);
        std::string piece = rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        parts[i] = Component(piece);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return Rgb{parts[0], parts[1], parts[2]};
}

Rgb GradientRow(const Rgb& top, const Rgb& bottom, int y, int height) {
    if (height <= 0) return top;
    return Rgb{top.r + (bottom.r - top.r) * y / height, top.g + (bottom.g - top.g) * y / height,
               top.b + (bottom.b - top.b) * y / height};
}

}  // namespace qx
