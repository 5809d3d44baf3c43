// SHA-256, used for the parameter digest at the head of every encrypted file.
#pragma once
#include <cstdint>

class CSHA {
public:
    static constexpr int kDigestLength = 32;

    CSHA() { Reset(); }

    // `length` must be at least 1.
    void AddData(const unsigned char* data, int length);
    // Writes 32 bytes and returns the object to its initial state; at least
    // one AddData must come first.
    void FinalDigest(unsigned char* digest);

private:
    void Reset();
    void Compress(const unsigned char* block);

    uint32_t m_H[8];
    uint32_t m_uLengthLow;   // message length in bits, low half
    uint32_t m_uLengthHigh;  // ... high half
    unsigned char m_Block[64];
    bool m_bDataAdded;
};
