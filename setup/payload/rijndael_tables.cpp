// The tables are derived from the field arithmetic at compile time, so there is
// no hand-typed hex to get wrong and no start-up cost.
#include "setup/payload/rijndael_tables.h"

namespace rijndael {
namespace {

constexpr uint8_t XTime(uint8_t a) {
    return static_cast<uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1b : 0x00));
}

constexpr uint8_t Mul(uint8_t a, uint8_t b) {
    uint8_t product = 0;
    while (b) {
        if (b & 1) product ^= a;
        a = XTime(a);
        b >>= 1;
    }
    return product;
}

constexpr uint8_t Rotl8(uint8_t b, int n) {
    return static_cast<uint8_t>((b << n) | (b >> (8 - n)));
}

constexpr ByteTable MakeSbox() {
    // Walk the powers of the generator 3 to get every multiplicative inverse.
    std::array<uint8_t, 256> power{};
    std::array<uint8_t, 256> logarithm{};
    uint8_t x = 1;
    for (int i = 0; i < 255; ++i) {
        power[i] = x;
        logarithm[x] = static_cast<uint8_t>(i);
        x = static_cast<uint8_t>(x ^ XTime(x));
    }
    ByteTable s{};
    for (int v = 0; v < 256; ++v) {
        const uint8_t inverse = v == 0 ? 0 : power[(255 - logarithm[v]) % 255];
        s[v] = static_cast<uint8_t>(inverse ^ Rotl8(inverse, 1) ^ Rotl8(inverse, 2) ^
                                    Rotl8(inverse, 3) ^ Rotl8(inverse, 4) ^ 0x63);
    }
    return s;
}

constexpr ByteTable MakeInverse(const ByteTable& s) {
    ByteTable inverse{};
    for (int v = 0; v < 256; ++v) inverse[s[v]] = static_cast<uint8_t>(v);
    return inverse;
}

constexpr uint32_t Word(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return (uint32_t(a) << 24) | (uint32_t(b) << 16) | (uint32_t(c) << 8) | uint32_t(d);
}

constexpr uint32_t RotateRight(uint32_t w, int bits) {
    return bits == 0 ? w : (w >> bits) | (w << (32 - bits));
}

constexpr WordTable MakeTe(const ByteTable& s, int rotation) {
    WordTable t{};
    for (int v = 0; v < 256; ++v)
        t[v] = RotateRight(Word(Mul(s[v], 2), s[v], s[v], Mul(s[v], 3)), rotation);
    return t;
}

constexpr WordTable MakeTd(const ByteTable& si, int rotation) {
    WordTable t{};
    for (int v = 0; v < 256; ++v)
        t[v] = RotateRight(
            Word(Mul(si[v], 14), Mul(si[v], 9), Mul(si[v], 13), Mul(si[v], 11)), rotation);
    return t;
}

constexpr std::array<uint32_t, kRconCount> MakeRcon() {
    std::array<uint32_t, kRconCount> r{};
    uint8_t x = 1;
    for (int i = 0; i < kRconCount; ++i) {
        r[i] = uint32_t(x) << 24;
        x = XTime(x);
    }
    return r;
}

constexpr ByteTable kSbox = MakeSbox();
constexpr ByteTable kInvSbox = MakeInverse(kSbox);

// Anchors from the field's definition: 0 has no inverse and maps to the affine
// constant; 1 is its own inverse.
static_assert(kSbox[0x00] == 0x63 && kSbox[0x01] == 0x7c, "S-box derivation");
static_assert(kInvSbox[0x63] == 0x00, "inverse S-box derivation");

}  // namespace

const ByteTable Sbox = kSbox;
const ByteTable InvSbox = kInvSbox;
const WordTable Te0 = MakeTe(kSbox, 0);
const WordTable Te1 = MakeTe(kSbox, 8);
const WordTable Te2 = MakeTe(kSbox, 16);
const WordTable Te3 = MakeTe(kSbox, 24);
const WordTable Td0 = MakeTd(kInvSbox, 0);
const WordTable Td1 = MakeTd(kInvSbox, 8);
const WordTable Td2 = MakeTd(kInvSbox, 16);
const WordTable Td3 = MakeTd(kInvSbox, 24);
const std::array<uint32_t, kRconCount> Rcon = MakeRcon();

}  // namespace rijndael
