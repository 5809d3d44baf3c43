// Common base of the file ciphers: the parameters every cipher shares and the
// block helpers that depend only on them.
#pragma once
#include <cstdint>

class IMethod {
public:
    enum Mode { ECB = 0, CBC = 1, CFB = 2 };
    enum Padding { ZEROES = 0, BLANKS = 1, PKCS7 = 2 };
    static constexpr int kDigestLength = 32;
    static constexpr int kMaxBlockSize = 32;

    IMethod() = default;
    IMethod(const IMethod&) = delete;
    IMethod& operator=(const IMethod&) = delete;
    virtual ~IMethod() = default;

    virtual void ParameterDigest(unsigned char* digest) = 0;
    virtual void EncryptBlocks(const unsigned char* in, unsigned char* out, int count) = 0;
    virtual void DecryptBlocks(const unsigned char* in, unsigned char* out, int count) = 0;
    virtual void EncryptToFile(const char* inPath, const char* outPath) = 0;
    virtual void DecryptToFile(const char* inPath, const char* outPath) = 0;
    virtual void RestartChain() = 0;

    // target[i] ^= source[i] for one block.
    void XorBlock(unsigned char* target, const unsigned char* source) const;
    // Fills a short last chunk of `length` bytes up to a whole block with the
    // padding mode's byte; `buffer` must have room for length + block size - 1.
    // Returns the new length.
    int PadToBlock(unsigned char* buffer, int length) const;

    bool IsInitialized() const noexcept { return m_bInitialized; }
    int BlockSize() const noexcept { return m_iBlockSize; }
    int KeyLength() const noexcept { return m_iKeyLength; }
    int OperationMode() const noexcept { return m_iMode; }
    int PaddingMode() const noexcept { return m_iPadding; }

protected:
    void CheckInitialized() const;

    bool m_bInitialized = false;
    int32_t m_iBlockSize = 0;
    int32_t m_iKeyLength = 0;
    int32_t m_iMode = 0;
    int32_t m_iPadding = 0;
};
