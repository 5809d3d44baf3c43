// Rijndael with every key and block size of 16, 24 and 32 bytes, the three
// chaining modes and whole-file encryption with a digest header that tells a
// wrong key set-up apart before any output is produced.
#pragma once
#include <cstdint>
#include <string>

#include "setup/payload/cipher_method.h"

class CRijndaelFILE : public IMethod {
public:
    static constexpr int kMaxRounds = 14;
    static constexpr int kMaxColumns = 8;
    // Files go through the cipher in chunks of kFileChunk bytes read through a
    // double buffer of kFileBufferSize bytes, so memory does not grow with the
    // file. 384 is a whole number of blocks for every block size.
    static constexpr int kFileChunk = 384;
    static constexpr int kFileBufferSize = 1024;

    CRijndaelFILE() = default;

    // `keyData` is repeated (or cut) to `keyLength` bytes. `chain` holds
    // `blockSize` bytes; a null chain means all zero.
    void SetKey(const char* keyData, int keyDataLength, const unsigned char* chain,
                int keyLength = 16, int blockSize = 16, int mode = ECB, int padding = ZEROES);

    void ParameterDigest(unsigned char* digest) override;
    void EncryptBlocks(const unsigned char* in, unsigned char* out, int count) override;
    void DecryptBlocks(const unsigned char* in, unsigned char* out, int count) override;
    void EncryptToFile(const char* inPath, const char* outPath) override;
    void DecryptToFile(const char* inPath, const char* outPath) override;
    void RestartChain() override;

    int Rounds() const noexcept { return m_iROUNDS; }

private:
    void ExpandKey();
    void CheckBlockCount(int count) const;

    unsigned char m_chKey[32] = {};
    uint32_t m_Ke[kMaxRounds + 1][kMaxColumns] = {};
    uint32_t m_Kd[kMaxRounds + 1][kMaxColumns] = {};
    int32_t m_iROUNDS = 0;
    unsigned char m_chain0[32] = {};
    unsigned char m_chain[32] = {};
    uint32_t m_tk[kMaxColumns] = {};
};
