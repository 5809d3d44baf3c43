// Block cipher and chaining modes against published and independently computed
// answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "setup/payload/rijndael_file.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Hex(const std::string& text) {
    Bytes out;
    for (size_t i = 0; i + 1 < text.size(); i += 2) out.push_back(static_cast<unsigned char>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return out;
}

std::string ToHex(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// SetKey takes a key text that it repeats to the key length; a text of exactly
// the key length is the raw key.
void KeyRaw(CRijndaelFILE& c, const Bytes& key, int blockSize, int mode = IMethod::ECB, const Bytes& chain = {}) {
    c.SetKey(reinterpret_cast<const char*>(key.data()), static_cast<int>(key.size()),
             chain.empty() ? nullptr : chain.data(), static_cast<int>(key.size()), blockSize, mode,
             IMethod::ZEROES);
}

Bytes Encrypt(CRijndaelFILE& c, const Bytes& in) {
    Bytes out(in.size());
    c.EncryptBlocks(in.data(), out.data(), static_cast<int>(in.size()));
    return out;
}

Bytes Decrypt(CRijndaelFILE& c, const Bytes& in) {
    Bytes out(in.size());
    c.DecryptBlocks(in.data(), out.data(), static_cast<int>(in.size()));
    return out;
}

struct KnownAnswer {
    const char* name;
    int blockSize;
    const char* key;
    const char* plain;
    const char* cipher;
};

// FIPS-197 appendix C.1-C.3, and the worked example of appendix B.
const KnownAnswer kFips197[] = {
    {"C1_AES128", 16, "000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
     "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {"C2_AES192", 16, "000102030405060708090a0b0c0d0e0f1011121314151617", "00112233445566778899aabbccddeeff",
     "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"C3_AES256", 16, "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
     "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
    {"B_Example", 16, "2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
     "3925841d02dc09fbdc118597196a0b32"},
};

// All nine key/block combinations on the digits-of-pi plaintext and key
// (prefixes of 3243f6a8... and 2b7e1516...). The answers were computed with
// two unrelated Rijndael implementations that agree byte for byte: libmcrypt
// 2.5.8 (rijndael-128/-192/-256) and the js-rijndael package; the 16/16 entry
// is the FIPS-197 appendix B example, which anchors both.
const char kPiKey[] = "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe";
const char kPiPlain[] = "3243f6a8885a308d313198a2e03707344a4093822299f31d0082efa98ec4e6c8";
struct WideAnswer {
    int blockSize;
    int keyLength;
    const char* cipher;
};
const WideAnswer kAllSizes[] = {
    {16, 16, "3925841d02dc09fbdc118597196a0b32"},
    {16, 24, "f9fb29aefc384a250340d833b87ebc00"},
    {16, 32, "1a6e6c2c662e7da6501ffb62bc9e93f3"},
    {24, 16, "b24d275489e82bb8f7375e0d5fcdb1f481757c538b65148a"},
    {24, 24, "725ae43b5f3161de806a7c93e0bca93c967ec1ae1b71e1cf"},
    {24, 32, "0ebacf199e3315c2e34b24fcc7c46ef4388aa475d66c194c"},
    {32, 16, "7d15479076b69a46ffb3b3beae97ad8313f622f67fedb487de9f06b9ed9c8f19"},
    {32, 24, "5d7101727bb25781bf6715b0e6955282b9610e23a43c2eb062699f0ebf5887b2"},
    {32, 32, "a49406115dfb30a40418aafa4869b7c6a886ff31602a7dd19c889dc64f7e4e7a"},
};

// Three blocks of bytes 00 01 02 ..., chain a0 a1 a2 ..., pi key prefix.
// Computed with libmcrypt ("cbc" and "ncfb", its whole-block CFB); the 16-byte
// rows also match OpenSSL's aes-128-cbc and aes-128-cfb.
struct ModeAnswer {
    int mode;
    int blockSize;
    int keyLength;
    const char* cipher;
};
const ModeAnswer kModes[] = {
    {IMethod::CBC, 16, 16,
     "bc5f0375f771c7f062802d6aaa18a37eee5b0f5c558a620b8d32236777a57142eec1da670714a915675e30d0b5ccddb3"},
    {IMethod::CBC, 24, 32,
     "e2e238a64332692b6e75c178250bf260cb50ec75f65c42a54c464473f5fec31e001690a9b9b5198eb4a8da24f957ef1f"
     "a2d401620540a815fa0be26fae03f5590c8760f7a9c02b17"},
    {IMethod::CBC, 32, 24,
     "236f6c3bd9b348c6c1565bde16000d62a2c12bd2c35ff1693ca6ea0abb80d2ee7117c730c0ea56043a652225817bad75"
     "f69b0fd22b3dbf81dcab7bb059362d6c67db8b8ba03e08561e9902fb69f6221dca10de60ec75504746b98f3e718a122c"},
    {IMethod::CFB, 16, 16,
     "c0224febdf1ab8bcd1a2b1defc3eccaf5456ee110171e05195d447ec8febc27c9b4c2b8794ecba0bb053ba8bb6ab8d94"},
    {IMethod::CFB, 24, 32,
     "bac9696a68d59ae2b1d3e491687ce6357c0d4cf595708247e1d9f887edcb3f60f0416a594127281ff8094f90796bea9f"
     "0bbff92dbd233de6893d13d1454293e366ce5754384af942"},
    {IMethod::CFB, 32, 24,
     "e7e8cb71fef0bf05ee0e0e2604feac00702f24598a8f9113f7d1a8004de8e07566014e501f1002a1d1a48ac4e41458be"
     "6a687a5cfa6676b63c9c1c86bd91c70b7a60e4e83e700ed5b992ce4e9ee0ea56a6c291c470deaa0e20e482409200e211"},
};

Bytes Counting(int n, int start = 0) {
    Bytes b(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) b[static_cast<size_t>(i)] = static_cast<unsigned char>(start + i);
    return b;
}

TEST(CipherRijndael, Fips197Vectors) {
    for (const auto& v : kFips197) {
        SCOPED_TRACE(v.name);
        CRijndaelFILE c;
        KeyRaw(c, Hex(v.key), v.blockSize);
        EXPECT_EQ(ToHex(Encrypt(c, Hex(v.plain))), v.cipher);
        EXPECT_EQ(ToHex(Decrypt(c, Hex(v.cipher))), v.plain);
    }
}

TEST(CipherRijndael, AllKeyAndBlockSizes) {
    for (const auto& v : kAllSizes) {
        SCOPED_TRACE("block " + std::to_string(v.blockSize) + " key " + std::to_string(v.keyLength));
        const Bytes key = Hex(kPiKey);
        const Bytes plain = Hex(kPiPlain);
        CRijndaelFILE c;
        KeyRaw(c, Bytes(key.begin(), key.begin() + v.keyLength), v.blockSize);
        const Bytes block(plain.begin(), plain.begin() + v.blockSize);
        EXPECT_EQ(ToHex(Encrypt(c, block)), v.cipher);
        EXPECT_EQ(Decrypt(c, Hex(v.cipher)), block);
    }
}

TEST(CipherRijndael, RoundCountFollowsTheLargerOfKeyAndBlock) {
    const int expected[3][3] = {{10, 12, 14}, {12, 12, 14}, {14, 14, 14}};  // [key][block]
    for (int k = 0; k < 3; ++k)
        for (int b = 0; b < 3; ++b) {
            CRijndaelFILE c;
            c.SetKey("k", 1, nullptr, 16 + 8 * k, 16 + 8 * b);
            EXPECT_EQ(c.Rounds(), expected[k][b]) << "key " << 16 + 8 * k << " block " << 16 + 8 * b;
        }
}

TEST(CipherRijndael, ChainingModesMatchReference) {
    for (const auto& v : kModes) {
        SCOPED_TRACE("mode " + std::to_string(v.mode) + " block " + std::to_string(v.blockSize));
        const Bytes key = Hex(kPiKey);
        CRijndaelFILE c;
        KeyRaw(c, Bytes(key.begin(), key.begin() + v.keyLength), v.blockSize, v.mode, Counting(32, 0xa0));
        const Bytes plain = Counting(3 * v.blockSize);
        EXPECT_EQ(ToHex(Encrypt(c, plain)), v.cipher);
        c.RestartChain();
        EXPECT_EQ(Decrypt(c, Hex(v.cipher)), plain);
    }
}

TEST(CipherRijndael, ChainCarriesOverFromCallToCall) {
    for (const auto& v : kModes) {
        SCOPED_TRACE("mode " + std::to_string(v.mode) + " block " + std::to_string(v.blockSize));
        const Bytes key = Hex(kPiKey);
        CRijndaelFILE c;
        KeyRaw(c, Bytes(key.begin(), key.begin() + v.keyLength), v.blockSize, v.mode, Counting(32, 0xa0));
        const Bytes plain = Counting(3 * v.blockSize);
        const size_t bs = static_cast<size_t>(v.blockSize);
        // One block, then two: the same as three at once.
        Bytes joined = Encrypt(c, Bytes(plain.begin(), plain.begin() + bs));
        const Bytes rest = Encrypt(c, Bytes(plain.begin() + bs, plain.end()));
        joined.insert(joined.end(), rest.begin(), rest.end());
        EXPECT_EQ(ToHex(joined), v.cipher);

        c.RestartChain();
        const Bytes cipher = Hex(v.cipher);
        Bytes back = Decrypt(c, Bytes(cipher.begin(), cipher.begin() + 2 * bs));
        const Bytes tail = Decrypt(c, Bytes(cipher.begin() + 2 * bs, cipher.end()));
        back.insert(back.end(), tail.begin(), tail.end());
        EXPECT_EQ(back, plain);
    }
}

TEST(CipherRijndael, WithoutRestartTheChainMovesOn) {
    for (int mode : {IMethod::CBC, IMethod::CFB}) {
        CRijndaelFILE c;
        c.SetKey("chain", 5, Counting(16).data(), 16, 16, mode);
        const Bytes plain = Counting(16, 7);
        const Bytes first = Encrypt(c, plain);
        const Bytes second = Encrypt(c, plain);
        EXPECT_NE(first, second) << "mode " << mode;
        c.RestartChain();
        EXPECT_EQ(Encrypt(c, plain), first) << "mode " << mode;
    }
}

TEST(CipherRijndael, EcbIgnoresTheChain) {
    CRijndaelFILE a, b;
    a.SetKey("same", 4, Counting(16).data(), 16, 16, IMethod::ECB);
    b.SetKey("same", 4, nullptr, 16, 16, IMethod::ECB);
    const Bytes plain = Counting(48, 3);
    EXPECT_EQ(Encrypt(a, plain), Encrypt(b, plain));
    // Equal plain blocks give equal cipher blocks.
    const Bytes twice = Encrypt(a, Bytes(32, 0x55));
    EXPECT_TRUE(std::equal(twice.begin(), twice.begin() + 16, twice.begin() + 16));
}

TEST(CipherRijndael, InPlaceEqualsSeparateBuffers) {
    for (int mode : {IMethod::ECB, IMethod::CBC, IMethod::CFB})
        for (int bs : {16, 24, 32}) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " block " + std::to_string(bs));
            CRijndaelFILE c;
            c.SetKey("in place", 8, Counting(32, 9).data(), 32, bs, mode);
            const Bytes plain = Counting(4 * bs, 1);
            const Bytes separate = Encrypt(c, plain);
            c.RestartChain();
            Bytes buffer = plain;
            c.EncryptBlocks(buffer.data(), buffer.data(), static_cast<int>(buffer.size()));
            EXPECT_EQ(buffer, separate);
            c.RestartChain();
            c.DecryptBlocks(buffer.data(), buffer.data(), static_cast<int>(buffer.size()));
            EXPECT_EQ(buffer, plain);
        }
}

TEST(CipherRijndael, RoundTripEveryCombination) {
    for (int mode : {IMethod::ECB, IMethod::CBC, IMethod::CFB})
        for (int ks : {16, 24, 32})
            for (int bs : {16, 24, 32}) {
                SCOPED_TRACE("mode " + std::to_string(mode) + " key " + std::to_string(ks) + " block " +
                             std::to_string(bs));
                CRijndaelFILE c;
                c.SetKey("round trip", 10, Counting(32, 200).data(), ks, bs, mode);
                const Bytes plain = Counting(384, 17);
                const Bytes cipher = Encrypt(c, plain);
                EXPECT_NE(cipher, plain);
                c.RestartChain();
                EXPECT_EQ(Decrypt(c, cipher), plain);
            }
}

}  // namespace
