// Key set-up checks, key text expansion, the parameter digest and the small
// block helpers of the cipher base.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string ToHex(const unsigned char* p, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

std::string Digest(CRijndaelFILE& c) {
    unsigned char d[32];
    c.ParameterDigest(d);
    return ToHex(d, sizeof d);
}

// The message of the FileCryptError that `action` raises, or "" if none.
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileCryptError& e) {
        return e.what();
    }
    return "";
}

struct SetKeyCase {
    const char* name;
    const char* key;
    int keyDataLength;
    int keyLength;
    int blockSize;
    int mode;
    int padding;
    const char* message;
};

// Each row breaks its own parameter and every later one, so it also shows
// that the checks run in the documented order.
const SetKeyCase kSetKeyCases[] = {
    {"no key text", nullptr, 0, 0, 0, 3, 3, "FileCrypt ERROR: No Key DataSpecified!"},
    {"empty key text", "k", 0, 0, 0, 3, 3, "FileCrypt ERROR: Key Data Length should be > 0!"},
    {"negative key text length", "k", -4, 16, 16, 0, 0, "FileCrypt ERROR: Key Data Length should be > 0!"},
    {"key length 0", "k", 1, 0, 0, 3, 3, "Illegal Key Length!"},
    {"key length 20", "k", 1, 20, 16, 0, 0, "Illegal Key Length!"},
    {"key length 64", "k", 1, 64, 16, 0, 0, "Illegal Key Length!"},
    {"key length -16", "k", 1, -16, 16, 0, 0, "Illegal Key Length!"},
    {"block size 8", "k", 1, 16, 8, 3, 3, "Illegal Block Size!"},
    {"block size 20", "k", 1, 24, 20, 0, 0, "Illegal Block Size!"},
    {"block size 64", "k", 1, 32, 64, 0, 0, "Illegal Block Size!"},
    {"mode 3", "k", 1, 16, 16, 3, 3, "FileCrypt ERROR: Illegal Operation Mode!"},
    {"mode -1", "k", 1, 16, 16, -1, 0, "FileCrypt ERROR: Illegal Operation Mode!"},
    {"padding 3", "k", 1, 16, 16, 2, 3, "FileCrypt ERROR: Illegal Padding Mode!"},
    {"padding -1", "k", 1, 16, 16, 0, -1, "FileCrypt ERROR: Illegal Padding Mode!"},
};

TEST(CipherKeySetup, RejectsBadParametersInOrder) {
    for (const auto& t : kSetKeyCases) {
        SCOPED_TRACE(t.name);
        CRijndaelFILE c;
        EXPECT_EQ(ErrorOf([&] { c.SetKey(t.key, t.keyDataLength, nullptr, t.keyLength, t.blockSize, t.mode, t.padding); }),
                  t.message);
        EXPECT_FALSE(c.IsInitialized());
    }
}

TEST(CipherKeySetup, RefusedReKeyKeepsTheWorkingSetUp) {
    CRijndaelFILE c;
    c.SetKey("working", 7, nullptr, 24, 32, IMethod::CBC, IMethod::BLANKS);
    const std::string before = Digest(c);
    for (const auto& t : kSetKeyCases) {
        SCOPED_TRACE(t.name);
        EXPECT_FALSE(ErrorOf([&] { c.SetKey(t.key, t.keyDataLength, nullptr, t.keyLength, t.blockSize, t.mode, t.padding); }).empty());
        EXPECT_TRUE(c.IsInitialized());
        EXPECT_EQ(c.BlockSize(), 32);
        EXPECT_EQ(Digest(c), before);
    }
}

TEST(CipherKeySetup, EveryOperationNeedsAKey) {
    const std::string notInitialized = "FileCrypt ERROR: Encryption/Decryption Object not Initialized!";
    CRijndaelFILE c;
    unsigned char a[64] = {}, b[64] = {};
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"ParameterDigest", [&] { c.ParameterDigest(a); }},
        {"EncryptBlocks", [&] { c.EncryptBlocks(a, b, 16); }},
        {"DecryptBlocks", [&] { c.DecryptBlocks(a, b, 16); }},
        {"EncryptToFile", [&] { c.EncryptToFile("in.txt", "in.txt"); }},
        {"DecryptToFile", [&] { c.DecryptToFile("in.nsx", "in.nsx"); }},
        {"RestartChain", [&] { c.RestartChain(); }},
        {"XorBlock", [&] { c.XorBlock(a, b); }},
        {"PadToBlock", [&] { c.PadToBlock(a, 3); }},
    };
    for (const auto& op : operations) EXPECT_EQ(ErrorOf(op.second), notInitialized) << op.first;
}

struct CountCase {
    int blockSize;
    int count;
};

TEST(CipherKeySetup, BlockOperationsNeedWholeBlocks) {
    const CountCase cases[] = {{16, 0}, {16, -16}, {16, 8}, {16, 15}, {16, 17}, {16, 24},
                               {24, 16}, {24, 32}, {24, 0}, {32, 16}, {32, 48}, {32, 33}};
    unsigned char in[64] = {}, out[64] = {};
    for (const auto& t : cases)
        for (int mode : {IMethod::ECB, IMethod::CBC, IMethod::CFB}) {
            SCOPED_TRACE("block " + std::to_string(t.blockSize) + " count " + std::to_string(t.count) +
                         " mode " + std::to_string(mode));
            CRijndaelFILE c;
            c.SetKey("k", 1, nullptr, 16, t.blockSize, mode);
            EXPECT_EQ(ErrorOf([&] { c.EncryptBlocks(in, out, t.count); }), "Illegal Block Size!");
            EXPECT_EQ(ErrorOf([&] { c.DecryptBlocks(in, out, t.count); }), "Illegal Block Size!");
        }
}

struct KeyTextCase {
    const char* text;
    int keyLength;
    const char* key;  // the key bytes the text must give
};

TEST(CipherKeySetup, KeyTextRepeatsOrIsCut) {
    const KeyTextCase cases[] = {
        {"A", 16, "AAAAAAAAAAAAAAAA"},
        {"ab", 24, "abababababababababababab"},
        {".q..wm.%.71856", 16, ".q..wm.%.71856.q"},
        {".q..wm.%.71856", 32, ".q..wm.%.71856.q..wm.%.71856.q.."},
        {"0123456789abcdefXYZ", 16, "0123456789abcdef"},
        {"0123456789abcdefghijklmnopqrstuvwxyz", 24, "0123456789abcdefghijklmn"},
        {"0123456789abcdefghijklmnopqrstuvwxyz", 32, "0123456789abcdefghijklmnopqrstuv"},
    };
    const unsigned char plain[32] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.text + std::string(" -> ") + std::to_string(t.keyLength));
        CRijndaelFILE fromText, fromKey;
        fromText.SetKey(t.text, static_cast<int>(std::strlen(t.text)), nullptr, t.keyLength, 16);
        fromKey.SetKey(t.key, t.keyLength, nullptr, t.keyLength, 16);
        unsigned char a[16], b[16];
        fromText.EncryptBlocks(plain, a, 16);
        fromKey.EncryptBlocks(plain, b, 16);
        EXPECT_EQ(ToHex(a, 16), ToHex(b, 16));
        EXPECT_EQ(Digest(fromText), Digest(fromKey));
    }
}

TEST(CipherKeySetup, KeyTextBeyondTheKeyLengthDoesNotMatter) {
    CRijndaelFILE a, b;
    a.SetKey("0123456789abcdefXXXX", 20, nullptr, 16, 16);
    b.SetKey("0123456789abcdefYYYY", 20, nullptr, 16, 16);
    EXPECT_EQ(Digest(a), Digest(b));
    b.SetKey("0123456789abcdeZ", 16, nullptr, 16, 16);
    EXPECT_NE(Digest(a), Digest(b));
}

struct DigestCase {
    const char* name;
    std::string keyText;
    int keyLength, blockSize, mode, padding;
    const char* digest;  // SHA-256 of the digest text, computed with Python's hashlib
};

TEST(CipherKeySetup, ParameterDigestNamesKeyAndParameters) {
    const DigestCase cases[] = {
        // "RIJNDAEL.q..wm.%.71856.q161600"
        {"package", ".q..wm.%.71856", 16, 16, 0, 0,
         "2ba43ac5018bfe703af30a4887237e688fa8844ac04b6f755c9b6e3715316c7f"},
        // "RIJNDAEL" + 32 x "k" + "323212"
        {"largest", "k", 32, 32, 1, 2, "c90b7f4005f33d78195cb2a6b9bb3c43c2d9be676214cf75e8721adc13fe2455"},
        // "RIJNDAEL" + 16 zero bytes + "161600": zero key bytes are hashed too
        {"zero key", std::string(1, '\0'), 16, 16, 0, 0,
         "ee9274510dbfad34226486b8c6efeb012bf5d9cd974fe49b58231a1cab170e0f"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        CRijndaelFILE c;
        c.SetKey(t.keyText.data(), static_cast<int>(t.keyText.size()), nullptr, t.keyLength, t.blockSize, t.mode,
                 t.padding);
        EXPECT_EQ(Digest(c), t.digest);
    }
}

TEST(CipherKeySetup, KeysThatDifferAfterAZeroByteGetDifferentDigests) {
    CRijndaelFILE a, b;
    a.SetKey(std::string("\0a", 2).data(), 2, nullptr, 16, 16);
    b.SetKey(std::string("\0b", 2).data(), 2, nullptr, 16, 16);
    EXPECT_NE(Digest(a), Digest(b));
}

TEST(CipherKeySetup, PackageKeySetUp) {
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    EXPECT_EQ(c.KeyLength(), 16);
    EXPECT_EQ(c.BlockSize(), 16);
    EXPECT_EQ(c.OperationMode(), IMethod::ECB);
    EXPECT_EQ(c.PaddingMode(), IMethod::ZEROES);
    EXPECT_EQ(Digest(c), "2ba43ac5018bfe703af30a4887237e688fa8844ac04b6f755c9b6e3715316c7f");
}

struct PadCase {
    int padding;
    int blockSize;
    int length;
    int padded;
    int fill;  // expected value of every added byte
};

TEST(CipherKeySetup, PadToBlockFillsTheLastBlock) {
    const PadCase cases[] = {
        {IMethod::ZEROES, 16, 100, 112, 0x00}, {IMethod::BLANKS, 16, 100, 112, 0x20},
        {IMethod::PKCS7, 16, 100, 112, 12},    {IMethod::PKCS7, 16, 1, 16, 15},
        {IMethod::PKCS7, 24, 1, 24, 23},       {IMethod::PKCS7, 32, 31, 32, 1},
        {IMethod::BLANKS, 24, 50, 72, 0x20},   {IMethod::ZEROES, 32, 33, 64, 0x00},
        {IMethod::ZEROES, 16, 96, 96, -1},     {IMethod::PKCS7, 24, 48, 48, -1},
        {IMethod::BLANKS, 32, 0, 0, -1},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE("padding " + std::to_string(t.padding) + " block " + std::to_string(t.blockSize) +
                     " length " + std::to_string(t.length));
        CRijndaelFILE c;
        c.SetKey("pad", 3, nullptr, 16, t.blockSize, IMethod::ECB, t.padding);
        std::vector<unsigned char> buffer(200, 0xCC);
        for (int i = 0; i < t.length; ++i) buffer[static_cast<size_t>(i)] = 0x41;
        EXPECT_EQ(c.PadToBlock(buffer.data(), t.length), t.padded);
        for (int i = 0; i < t.length; ++i) ASSERT_EQ(buffer[static_cast<size_t>(i)], 0x41) << i;
        for (int i = t.length; i < t.padded; ++i) ASSERT_EQ(buffer[static_cast<size_t>(i)], t.fill) << i;
        EXPECT_EQ(buffer[static_cast<size_t>(t.padded)], 0xCC);
    }
}

TEST(CipherKeySetup, XorBlockCoversExactlyOneBlock) {
    for (int bs : {16, 24, 32}) {
        CRijndaelFILE c;
        c.SetKey("x", 1, nullptr, 16, bs);
        std::vector<unsigned char> target(40, 0xF0), source(40, 0x3C);
        c.XorBlock(target.data(), source.data());
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(target[static_cast<size_t>(i)], i < bs ? 0xCC : 0xF0) << "block " << bs << " byte " << i;
    }
}

}  // namespace
