#include "trombela/font_record.h"

#include "trombela/short_string.h"

namespace trombela {
namespace {

constexpr std::size_t kFaceAt = 4;
constexpr std::size_t kSizeAt = 68;
constexpr std::size_t kStyleAt = 72;
static_assert(kFaceAt + ShortStringSize(kFontFaceCapacity) + 3 == kSizeAt);
static_assert(kStyleAt + 4 == kFontRecordSize);

void PutLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetLe32(const std::uint8_t* p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}

}  // namespace

Bytes EncodeFont(const PrintFont& f) {
    Bytes b(kFontRecordSize, 0);
    PutLe32(b.data(), f.colour);
    PutShortString(b.data() + kFaceAt, kFontFaceCapacity, f.face);
    PutLe32(b.data() + kSizeAt, static_cast<std::uint32_t>(f.size));
    // Only the four known bits are meaningful; the rest of the byte stays clear.
    b[kStyleAt] = f.style & (kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut);
    return b;
}

PrintFont DecodeFont(const Bytes& b) {
    if (b.size() < kFontRecordSize) throw RecordSizeError(kFontRecordSize, b.size());
    PrintFont f;
    f.colour = GetLe32(b.data());
    f.face = GetShortString(b.data() + kFaceAt, kFontFaceCapacity);
    f.size = static_cast<std::int32_t>(GetLe32(b.data() + kSizeAt));
    f.style = b[kStyleAt] & (kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut);
    return f;
}

}  // namespace trombela
