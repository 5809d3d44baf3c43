#include "setup/payload/cipher_method.h"

#include <cstring>

#include "setup/payload/file_crypt_error.h"

void IMethod::CheckInitialized() const {
    if (!m_bInitialized) throw FileCryptError(file_crypt_text::kNotInitialized);
}

void IMethod::XorBlock(unsigned char* target, const unsigned char* source) const {
    CheckInitialized();
    for (int i = 0; i < m_iBlockSize; ++i) target[i] ^= source[i];
}

int IMethod::PadToBlock(unsigned char* buffer, int length) const {
    CheckInitialized();
    if (length < 0) throw FileCryptError(file_crypt_text::kIllegalBlockSize);
    const int rest = length % m_iBlockSize;
    if (rest == 0) return length;
    const int fill = m_iBlockSize - rest;
    unsigned char value = 0;
    switch (m_iPadding) {
        case BLANKS: value = 0x20; break;
        case PKCS7: value = static_cast<unsigned char>(fill); break;
        default: value = 0; break;
    }
    std::memset(buffer + length, value, static_cast<size_t>(fill));
    return length + fill;
}
