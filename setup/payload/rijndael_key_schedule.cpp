// Key set-up: parameter checks, the key bytes from the key text, and the two
// round-key sets.
#include <cstring>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/rijndael_file.h"
#include "setup/payload/rijndael_rounds.h"

namespace {

bool IsRijndaelSize(int bytes) { return bytes == 16 || bytes == 24 || bytes == 32; }

uint32_t SubWord(uint32_t w) {
    using rijndael::Sbox;
    return (uint32_t(Sbox[w >> 24]) << 24) | (uint32_t(Sbox[(w >> 16) & 0xff]) << 16) |
           (uint32_t(Sbox[(w >> 8) & 0xff]) << 8) | Sbox[w & 0xff];
}

uint32_t RotWord(uint32_t w) { return (w << 8) | (w >> 24); }

// InvMixColumns of one column, through the decryption tables (they hold
// InvMixColumns of InvSbox, so the S-box is applied first to cancel it).
uint32_t InvMixColumn(uint32_t w) {
    using namespace rijndael;
    return Td0[Sbox[w >> 24]] ^ Td1[Sbox[(w >> 16) & 0xff]] ^ Td2[Sbox[(w >> 8) & 0xff]] ^
           Td3[Sbox[w & 0xff]];
}

}  // namespace

void CRijndaelFILE::SetKey(const char* keyData, int keyDataLength, const unsigned char* chain,
                           int keyLength, int blockSize, int mode, int padding) {
    // Everything is checked before anything is stored, so a refused call leaves
    // a working key set-up as it was.
    if (keyData == nullptr) throw FileCryptError("FileCrypt ERROR: No Key DataSpecified!");
    if (keyDataLength < 1) throw FileCryptError("FileCrypt ERROR: Key Data Length should be > 0!");
    if (!IsRijndaelSize(keyLength)) throw FileCryptError("Illegal Key Length!");
    if (!IsRijndaelSize(blockSize)) throw FileCryptError(file_crypt_text::kIllegalBlockSize);
    if (mode < ECB || mode > CFB) throw FileCryptError("FileCrypt ERROR: Illegal Operation Mode!");
    if (padding < ZEROES || padding > PKCS7)
        throw FileCryptError("FileCrypt ERROR: Illegal Padding Mode!");

    m_iMode = mode;
    m_iPadding = padding;
    for (int i = 0; i < keyLength; ++i) m_chKey[i] = static_cast<unsigned char>(keyData[i % keyDataLength]);
    m_iBlockSize = blockSize;
    if (chain != nullptr)
        std::memcpy(m_chain0, chain, static_cast<size_t>(blockSize));
    else
        std::memset(m_chain0, 0, sizeof m_chain0);
    std::memcpy(m_chain, m_chain0, sizeof m_chain);
    m_iKeyLength = keyLength;
    // Rijndael's rule: six more rounds than the larger of key and block words.
    const int keyWords = keyLength / 4;
    const int blockWords = blockSize / 4;
    m_iROUNDS = (keyWords > blockWords ? keyWords : blockWords) + 6;
    ExpandKey();
    m_bInitialized = true;
}

void CRijndaelFILE::ExpandKey() {
    const int nk = m_iKeyLength / 4;
    const int bc = m_iBlockSize / 4;
    const int total = bc * (m_iROUNDS + 1);

    std::memset(m_Ke, 0, sizeof m_Ke);
    std::memset(m_Kd, 0, sizeof m_Kd);
    // Word i of the schedule goes to round i / bc, column i % bc; m_tk keeps
    // the last nk words, which is all the recurrence looks back to.
    for (int i = 0; i < nk; ++i) m_tk[i] = rijndael::LoadBig(m_chKey + 4 * i);
    for (int i = 0; i < total; ++i) {
        uint32_t w;
        if (i < nk) {
            w = m_tk[i];
        } else {
            uint32_t temp = m_tk[(i - 1) % nk];
            if (i % nk == 0)
                temp = SubWord(RotWord(temp)) ^ rijndael::Rcon[i / nk - 1];
            else if (nk > 6 && i % nk == 4)
                temp = SubWord(temp);
            w = m_tk[i % nk] ^ temp;
            m_tk[i % nk] = w;
        }
        m_Ke[i / bc][i % bc] = w;
    }

    for (int r = 0; r <= m_iROUNDS; ++r)
        for (int j = 0; j < bc; ++j) {
            const uint32_t w = m_Ke[m_iROUNDS - r][j];
            m_Kd[r][j] = (r == 0 || r == m_iROUNDS) ? w : InvMixColumn(w);
        }
}
