// `FONT\font_dolmen_2007.dat`: the print font chosen by the user, one 76-byte
// record. Colour and size are little-endian whatever the host.
#pragma once
#include "trombela/records.h"

#include <cstdint>
#include <string>

namespace trombela {

enum FontStyleBits : std::uint8_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// The print font in memory; the start values are an empty face, size 0,
// black and no style, which leave the printer's own font in charge.
struct PrintFont {
    std::uint32_t colour = 0;  // 0x00BBGGRR, or a system colour 0xFF......
    std::string face;
    std::int32_t size = 0;     // points
    std::uint8_t style = 0;    // FontStyleBits
};

constexpr std::size_t kFontFaceCapacity = 60;
constexpr std::size_t kFontRecordSize = 76;

Bytes EncodeFont(const PrintFont& f);
PrintFont DecodeFont(const Bytes& b);

}  // namespace trombela
