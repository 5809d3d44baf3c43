#include "setup/payload/sha256.h"

#include <cstring>

#include "setup/payload/file_crypt_error.h"

namespace {

constexpr uint32_t kRoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr uint32_t kInitialHash[8] = {
    0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19,
};

inline uint32_t Rotr(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

inline uint32_t LoadBig(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

inline void StoreBig(unsigned char* p, uint32_t w) {
    p[0] = static_cast<unsigned char>(w >> 24);
    p[1] = static_cast<unsigned char>(w >> 16);
    p[2] = static_cast<unsigned char>(w >> 8);
    p[3] = static_cast<unsigned char>(w);
}

}  // namespace

void CSHA::Reset() {
    std::memcpy(m_H, kInitialHash, sizeof m_H);
    m_uLengthLow = 0;
    m_uLengthHigh = 0;
    std::memset(m_Block, 0, sizeof m_Block);
    m_bDataAdded = false;
}

void CSHA::Compress(const unsigned char* block) {
    uint32_t w[64];
    for (int i = 0; i < 16; ++i) w[i] = LoadBig(block + 4 * i);
    for (int i = 16; i < 64; ++i) {
        const uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = m_H[0], b = m_H[1], c = m_H[2], d = m_H[3];
    uint32_t e = m_H[4], f = m_H[5], g = m_H[6], h = m_H[7];
    for (int i = 0; i < 64; ++i) {
        const uint32_t t1 = h + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) +
                            kRoundConstants[i] + w[i];
        const uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        h = g; g = f; f = e; e = d + t1;
        d = c; c = b; b = a; a = t1 + t2;
    }
    m_H[0] += a; m_H[1] += b; m_H[2] += c; m_H[3] += d;
    m_H[4] += e; m_H[5] += f; m_H[6] += g; m_H[7] += h;
}

void CSHA::AddData(const unsigned char* data, int length) {
    if (length < 1 || data == nullptr)
        throw FileCryptError("FileCrypt ERROR: in CSHA::AddData(), Data Length should be > 0!");
    m_bDataAdded = true;
    size_t used = (m_uLengthLow >> 3) & 63;
    // The bit count is kept in two 32-bit halves; carry into the high half.
    const uint32_t bitsLow = static_cast<uint32_t>(length) << 3;
    const uint32_t bitsHigh = static_cast<uint32_t>(length) >> 29;
    m_uLengthLow += bitsLow;
    if (m_uLengthLow < bitsLow) ++m_uLengthHigh;
    m_uLengthHigh += bitsHigh;

    size_t remaining = static_cast<size_t>(length);
    while (remaining > 0) {
        const size_t take = remaining < 64 - used ? remaining : 64 - used;
        std::memcpy(m_Block + used, data, take);
        data += take;
        remaining -= take;
        used += take;
        if (used == 64) {
            Compress(m_Block);
            used = 0;
        }
    }
}

void CSHA::FinalDigest(unsigned char* digest) {
    if (!m_bDataAdded)
        throw FileCryptError("FileCrypt ERROR: in CSHA::FinalDigest(), No data Added before call!");
    size_t used = (m_uLengthLow >> 3) & 63;
    m_Block[used++] = 0x80;
    if (used > 56) {
        std::memset(m_Block + used, 0, 64 - used);
        Compress(m_Block);
        used = 0;
    }
    std::memset(m_Block + used, 0, 56 - used);
    StoreBig(m_Block + 56, m_uLengthHigh);
    StoreBig(m_Block + 60, m_uLengthLow);
    Compress(m_Block);
    for (int i = 0; i < 8; ++i) StoreBig(digest + 4 * i, m_H[i]);
    Reset();
}
