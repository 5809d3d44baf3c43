// One Rijndael block in the 32-bit table form. Internal to the cipher: the
// functions are inline so the chaining loops compile into straight table code
// without a call per block.
#pragma once
#include <cstdint>

#include "setup/payload/rijndael_tables.h"

namespace rijndael {

using RoundKeys = const uint32_t (*)[8];

inline uint32_t LoadBig(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

inline void StoreBig(unsigned char* p, uint32_t w) {
    p[0] = static_cast<unsigned char>(w >> 24);
    p[1] = static_cast<unsigned char>(w >> 16);
    p[2] = static_cast<unsigned char>(w >> 8);
    p[3] = static_cast<unsigned char>(w);
}

inline uint32_t B0(uint32_t w) { return w >> 24; }
inline uint32_t B1(uint32_t w) { return (w >> 16) & 0xff; }
inline uint32_t B2(uint32_t w) { return (w >> 8) & 0xff; }
inline uint32_t B3(uint32_t w) { return w & 0xff; }

// 16-byte block: four columns, row shifts 1, 2, 3, fully written out.
inline void Encrypt16(RoundKeys rk, int rounds, const unsigned char* in, unsigned char* out) {
    uint32_t s0 = LoadBig(in) ^ rk[0][0];
    uint32_t s1 = LoadBig(in + 4) ^ rk[0][1];
    uint32_t s2 = LoadBig(in + 8) ^ rk[0][2];
    uint32_t s3 = LoadBig(in + 12) ^ rk[0][3];
    for (int r = 1; r < rounds; ++r) {
        const uint32_t t0 = Te0[B0(s0)] ^ Te1[B1(s1)] ^ Te2[B2(s2)] ^ Te3[B3(s3)] ^ rk[r][0];
        const uint32_t t1 = Te0[B0(s1)] ^ Te1[B1(s2)] ^ Te2[B2(s3)] ^ Te3[B3(s0)] ^ rk[r][1];
        const uint32_t t2 = Te0[B0(s2)] ^ Te1[B1(s3)] ^ Te2[B2(s0)] ^ Te3[B3(s1)] ^ rk[r][2];
        const uint32_t t3 = Te0[B0(s3)] ^ Te1[B1(s0)] ^ Te2[B2(s1)] ^ Te3[B3(s2)] ^ rk[r][3];
        s0 = t0; s1 = t1; s2 = t2; s3 = t3;
    }
    const uint32_t* last = rk[rounds];
    StoreBig(out, ((uint32_t(Sbox[B0(s0)]) << 24) | (uint32_t(Sbox[B1(s1)]) << 16) |
                   (uint32_t(Sbox[B2(s2)]) << 8) | Sbox[B3(s3)]) ^ last[0]);
    StoreBig(out + 4, ((uint32_t(Sbox[B0(s1)]) << 24) | (uint32_t(Sbox[B1(s2)]) << 16) |
                       (uint32_t(Sbox[B2(s3)]) << 8) | Sbox[B3(s0)]) ^ last[1]);
    StoreBig(out + 8, ((uint32_t(Sbox[B0(s2)]) << 24) | (uint32_t(Sbox[B1(s3)]) << 16) |
                       (uint32_t(Sbox[B2(s0)]) << 8) | Sbox[B3(s1)]) ^ last[2]);
    StoreBig(out + 12, ((uint32_t(Sbox[B0(s3)]) << 24) | (uint32_t(Sbox[B1(s0)]) << 16) |
                        (uint32_t(Sbox[B2(s1)]) << 8) | Sbox[B3(s2)]) ^ last[3]);
}

// Inverse of Encrypt16 with the decryption round keys (equivalent inverse
// cipher: InvMixColumns already folded into the middle round keys).
inline void Decrypt16(RoundKeys kd, int rounds, const unsigned char* in, unsigned char* out) {
    uint32_t s0 = LoadBig(in) ^ kd[0][0];
    uint32_t s1 = LoadBig(in + 4) ^ kd[0][1];
    uint32_t s2 = LoadBig(in + 8) ^ kd[0][2];
    uint32_t s3 = LoadBig(in + 12) ^ kd[0][3];
    for (int r = 1; r < rounds; ++r) {
        const uint32_t t0 = Td0[B0(s0)] ^ Td1[B1(s3)] ^ Td2[B2(s2)] ^ Td3[B3(s1)] ^ kd[r][0];
        const uint32_t t1 = Td0[B0(s1)] ^ Td1[B1(s0)] ^ Td2[B2(s3)] ^ Td3[B3(s2)] ^ kd[r][1];
        const uint32_t t2 = Td0[B0(s2)] ^ Td1[B1(s1)] ^ Td2[B2(s0)] ^ Td3[B3(s3)] ^ kd[r][2];
        const uint32_t t3 = Td0[B0(s3)] ^ Td1[B1(s2)] ^ Td2[B2(s1)] ^ Td3[B3(s0)] ^ kd[r][3];
        s0 = t0; s1 = t1; s2 = t2; s3 = t3;
    }
    const uint32_t* last = kd[rounds];
    StoreBig(out, ((uint32_t(InvSbox[B0(s0)]) << 24) | (uint32_t(InvSbox[B1(s3)]) << 16) |
                   (uint32_t(InvSbox[B2(s2)]) << 8) | InvSbox[B3(s1)]) ^ last[0]);
    StoreBig(out + 4, ((uint32_t(InvSbox[B0(s1)]) << 24) | (uint32_t(InvSbox[B1(s0)]) << 16) |
                       (uint32_t(InvSbox[B2(s3)]) << 8) | InvSbox[B3(s2)]) ^ last[1]);
    StoreBig(out + 8, ((uint32_t(InvSbox[B0(s2)]) << 24) | (uint32_t(InvSbox[B1(s1)]) << 16) |
                       (uint32_t(InvSbox[B2(s0)]) << 8) | InvSbox[B3(s3)]) ^ last[2]);
    StoreBig(out + 12, ((uint32_t(InvSbox[B0(s3)]) << 24) | (uint32_t(InvSbox[B1(s2)]) << 16) |
                        (uint32_t(InvSbox[B2(s1)]) << 8) | InvSbox[B3(s0)]) ^ last[3]);
}

// Row shifts of Rijndael by block width: rows 1..3 move left by these many
// columns (4 and 6 columns: 1, 2, 3; 8 columns: 1, 3, 4).
struct ShiftPlan {
    int columns;
    int forward[3][8];   // column read for row 1..3 when encrypting
    int backward[3][8];  // ... and when decrypting
};

inline ShiftPlan MakeShiftPlan(int columns) {
    ShiftPlan plan{};
    plan.columns = columns;
    const int shifts[3] = {1, columns == 8 ? 3 : 2, columns == 8 ? 4 : 3};
    for (int row = 0; row < 3; ++row)
        for (int j = 0; j < columns; ++j) {
            plan.forward[row][j] = (j + shifts[row]) % columns;
            plan.backward[row][j] = (j - shifts[row] + columns) % columns;
        }
    return plan;
}

// 24- and 32-byte blocks (the loop also works for 16 bytes).
inline void EncryptWide(RoundKeys rk, int rounds, const ShiftPlan& plan,
                        const unsigned char* in, unsigned char* out) {
    const int bc = plan.columns;
    uint32_t s[8], t[8];
    for (int j = 0; j < bc; ++j) s[j] = LoadBig(in + 4 * j) ^ rk[0][j];
    for (int r = 1; r < rounds; ++r) {
        for (int j = 0; j < bc; ++j)
            t[j] = Te0[B0(s[j])] ^ Te1[B1(s[plan.forward[0][j]])] ^
                   Te2[B2(s[plan.forward[1][j]])] ^ Te3[B3(s[plan.forward[2][j]])] ^ rk[r][j];
        for (int j = 0; j < bc; ++j) s[j] = t[j];
    }
    for (int j = 0; j < bc; ++j)
        StoreBig(out + 4 * j, ((uint32_t(Sbox[B0(s[j])]) << 24) |
                               (uint32_t(Sbox[B1(s[plan.forward[0][j]])]) << 16) |
                               (uint32_t(Sbox[B2(s[plan.forward[1][j]])]) << 8) |
                               Sbox[B3(s[plan.forward[2][j]])]) ^ rk[rounds][j]);
}

inline void DecryptWide(RoundKeys kd, int rounds, const ShiftPlan& plan,
                        const unsigned char* in, unsigned char* out) {
    const int bc = plan.columns;
    uint32_t s[8], t[8];
    for (int j = 0; j < bc; ++j) s[j] = LoadBig(in + 4 * j) ^ kd[0][j];
    for (int r = 1; r < rounds; ++r) {
        for (int j = 0; j < bc; ++j)
            t[j] = Td0[B0(s[j])] ^ Td1[B1(s[plan.backward[0][j]])] ^
                   Td2[B2(s[plan.backward[1][j]])] ^ Td3[B3(s[plan.backward[2][j]])] ^ kd[r][j];
        for (int j = 0; j < bc; ++j) s[j] = t[j];
    }
    for (int j = 0; j < bc; ++j)
        StoreBig(out + 4 * j, ((uint32_t(InvSbox[B0(s[j])]) << 24) |
                               (uint32_t(InvSbox[B1(s[plan.backward[0][j]])]) << 16) |
                               (uint32_t(InvSbox[B2(s[plan.backward[1][j]])]) << 8) |
                               InvSbox[B3(s[plan.backward[2][j]])]) ^ kd[rounds][j]);
}

}  // namespace rijndael
