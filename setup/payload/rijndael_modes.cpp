// Block chaining over a run of whole blocks. The mode and block width are
// decided once per call; the per-block work is inlined table code.
#include <cstring>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/rijndael_file.h"
#include "setup/payload/rijndael_rounds.h"

namespace {

// `Forward` and `Inverse` are callables (in, out) for one block of BS bytes
// (BS = 0: `bs` bytes, known only at run time). CFB needs only the forward
// cipher in both directions.
template <int BS, class Forward>
void EncryptRun(int mode, int bs, unsigned char* chain, const unsigned char* in,
                unsigned char* out, int count, Forward forward) {
    const int n = BS ? BS : bs;
    switch (mode) {
        case IMethod::ECB:
            for (int off = 0; off < count; off += n) forward(in + off, out + off);
            break;
        case IMethod::CBC:
            for (int off = 0; off < count; off += n) {
                for (int i = 0; i < n; ++i) chain[i] ^= in[off + i];
                forward(chain, out + off);
                std::memcpy(chain, out + off, static_cast<size_t>(n));
            }
            break;
        default: {  // CFB with whole-block feedback
            unsigned char stream[IMethod::kMaxBlockSize];
            for (int off = 0; off < count; off += n) {
                forward(chain, stream);
                for (int i = 0; i < n; ++i) out[off + i] = static_cast<unsigned char>(stream[i] ^ in[off + i]);
                std::memcpy(chain, out + off, static_cast<size_t>(n));
            }
            break;
        }
    }
}

template <int BS, class Forward, class Inverse>
void DecryptRun(int mode, int bs, unsigned char* chain, const unsigned char* in,
                unsigned char* out, int count, Forward forward, Inverse inverse) {
    const int n = BS ? BS : bs;
    // `in` and `out` may be the same buffer, so each ciphertext block is kept
    // before its plaintext overwrites it.
    unsigned char saved[IMethod::kMaxBlockSize];
    switch (mode) {
        case IMethod::ECB:
            for (int off = 0; off < count; off += n) inverse(in + off, out + off);
            break;
        case IMethod::CBC:
            for (int off = 0; off < count; off += n) {
                std::memcpy(saved, in + off, static_cast<size_t>(n));
                inverse(saved, out + off);
                for (int i = 0; i < n; ++i) out[off + i] ^= chain[i];
                std::memcpy(chain, saved, static_cast<size_t>(n));
            }
            break;
        default: {
            unsigned char stream[IMethod::kMaxBlockSize];
            for (int off = 0; off < count; off += n) {
                std::memcpy(saved, in + off, static_cast<size_t>(n));
                forward(chain, stream);
                for (int i = 0; i < n; ++i) out[off + i] = static_cast<unsigned char>(stream[i] ^ saved[i]);
                std::memcpy(chain, saved, static_cast<size_t>(n));
            }
            break;
        }
    }
}

}  // namespace

void CRijndaelFILE::CheckBlockCount(int count) const {
    CheckInitialized();
    if (count <= 0 || count % m_iBlockSize != 0)
        throw FileCryptError(file_crypt_text::kIllegalBlockSize);
}

void CRijndaelFILE::EncryptBlocks(const unsigned char* in, unsigned char* out, int count) {
    CheckBlockCount(count);
    const int rounds = m_iROUNDS;
    const rijndael::RoundKeys ke = m_Ke;
    if (m_iBlockSize == 16) {
        EncryptRun<16>(m_iMode, 16, m_chain, in, out, count,
                       [ke, rounds](const unsigned char* i, unsigned char* o) {
                           rijndael::Encrypt16(ke, rounds, i, o);
                       });
    } else {
        const rijndael::ShiftPlan plan = rijndael::MakeShiftPlan(m_iBlockSize / 4);
        EncryptRun<0>(m_iMode, m_iBlockSize, m_chain, in, out, count,
                      [ke, rounds, &plan](const unsigned char* i, unsigned char* o) {
                          rijndael::EncryptWide(ke, rounds, plan, i, o);
                      });
    }
}

void CRijndaelFILE::DecryptBlocks(const unsigned char* in, unsigned char* out, int count) {
    CheckBlockCount(count);
    const int rounds = m_iROUNDS;
    const rijndael::RoundKeys ke = m_Ke;
    const rijndael::RoundKeys kd = m_Kd;
    if (m_iBlockSize == 16) {
        DecryptRun<16>(
            m_iMode, 16, m_chain, in, out, count,
            [ke, rounds](const unsigned char* i, unsigned char* o) { rijndael::Encrypt16(ke, rounds, i, o); },
            [kd, rounds](const unsigned char* i, unsigned char* o) { rijndael::Decrypt16(kd, rounds, i, o); });
    } else {
        const rijndael::ShiftPlan plan = rijndael::MakeShiftPlan(m_iBlockSize / 4);
        DecryptRun<0>(
            m_iMode, m_iBlockSize, m_chain, in, out, count,
            [ke, rounds, &plan](const unsigned char* i, unsigned char* o) {
                rijndael::EncryptWide(ke, rounds, plan, i, o);
            },
            [kd, rounds, &plan](const unsigned char* i, unsigned char* o) {
                rijndael::DecryptWide(kd, rounds, plan, i, o);
            });
    }
}

void CRijndaelFILE::RestartChain() {
    CheckInitialized();
    std::memcpy(m_chain, m_chain0, sizeof m_chain);
}
