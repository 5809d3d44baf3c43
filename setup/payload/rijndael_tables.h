// Precomputed round tables of the Rijndael cipher, 32-bit form: each table
// entry is SubBytes and MixColumns (or their inverses) of one byte, so a round
// is 16 table look-ups per 4 columns.
#pragma once
#include <array>
#include <cstdint>

namespace rijndael {

using WordTable = std::array<uint32_t, 256>;
using ByteTable = std::array<uint8_t, 256>;

// Encryption: Te0[x] = (2·S[x], S[x], S[x], 3·S[x]) as a big-endian word;
// Te1..Te3 are the same rotated right by 8, 16, 24 bits.
extern const WordTable Te0, Te1, Te2, Te3;
// Decryption: Td0[x] = (14·Si[x], 9·Si[x], 13·Si[x], 11·Si[x]), rotated likewise.
extern const WordTable Td0, Td1, Td2, Td3;
extern const ByteTable Sbox, InvSbox;

// Round constants x^(i) in GF(2^8), i = 0.., in the top byte. The longest key
// schedule (4-word key, 8-word block, 14 rounds) needs 120 / 4 = 30 of them.
inline constexpr int kRconCount = 30;
extern const std::array<uint32_t, kRconCount> Rcon;

}  // namespace rijndael
