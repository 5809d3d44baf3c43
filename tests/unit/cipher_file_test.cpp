// Whole-file encryption and decryption: sizes around the chunk and block
// boundaries, fill bytes, the header check and every refusal.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileCryptError& e) {
        return e.what();
    }
    return "";
}

class CipherFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qx_cfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    static Bytes Plain(size_t size, unsigned seed = 1) {
        Bytes b(size);
        unsigned x = seed;
        for (auto& byte : b) {
            x = x * 1103515245u + 12345u;
            byte = static_cast<unsigned char>(x >> 16);
        }
        return b;
    }
    static void Write(const std::string& path, const Bytes& data) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    }
    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path dir_;
};

struct SizeCase {
    size_t plain;
    size_t encrypted;
};

TEST_F(CipherFile, PackageSetUpSizesAndZeroFill) {
    const SizeCase cases[] = {{0, 32},         {1, 48},         {15, 48},         {16, 48},
                              {100, 144},      {383, 32 + 384}, {384, 32 + 384},  {385, 32 + 400},
                              {400, 32 + 400}, {767, 32 + 768}, {1000, 32 + 1008}, {4099, 32 + 4112}};
    for (const auto& t : cases) {
        SCOPED_TRACE("plain size " + std::to_string(t.plain));
        CRijndaelFILE c;
        package_key::SetPackageKey(c);
        const Bytes plain = Plain(t.plain);
        Write(Path("setup.inf"), plain);
        c.EncryptToFile(Path("setup.inf").c_str(), Path("setup.nsx").c_str());
        const Bytes encrypted = Read(Path("setup.nsx"));
        ASSERT_EQ(encrypted.size(), t.encrypted);
        unsigned char digest[32];
        c.ParameterDigest(digest);
        EXPECT_TRUE(std::equal(digest, digest + 32, encrypted.begin()));

        c.DecryptToFile(Path("setup.nsx").c_str(), Path("back.inf").c_str());
        Bytes expected = plain;
        expected.resize(t.encrypted - 32, 0);  // the fill stays in the decrypted file
        EXPECT_EQ(Read(Path("back.inf")), expected);
    }
}

TEST_F(CipherFile, HundredBytesGiveTwelveZeroFillBytes) {
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    Write(Path("in"), Bytes(100, 'x'));
    c.EncryptToFile(Path("in").c_str(), Path("out.nsx").c_str());
    ASSERT_EQ(fs::file_size(Path("out.nsx")), 32u + 112u);
    c.DecryptToFile(Path("out.nsx").c_str(), Path("back").c_str());
    const Bytes back = Read(Path("back"));
    ASSERT_EQ(back.size(), 112u);
    EXPECT_EQ(Bytes(back.begin(), back.begin() + 100), Bytes(100, 'x'));
    EXPECT_EQ(Bytes(back.begin() + 100, back.end()), Bytes(12, 0));
}

TEST_F(CipherFile, EveryParameterCombinationRoundTrips) {
    const size_t sizes[] = {0, 1, 100, 384, 385, 1000};
    for (int ks : {16, 24, 32})
        for (int bs : {16, 24, 32})
            for (int mode : {IMethod::ECB, IMethod::CBC, IMethod::CFB})
                for (int padding : {IMethod::ZEROES, IMethod::BLANKS, IMethod::PKCS7}) {
                    CRijndaelFILE c;
                    Bytes chain = Plain(32, 99);
                    c.SetKey("round trip key", 14, chain.data(), ks, bs, mode, padding);
                    for (size_t size : sizes) {
                        SCOPED_TRACE("key " + std::to_string(ks) + " block " + std::to_string(bs) + " mode " +
                                     std::to_string(mode) + " padding " + std::to_string(padding) + " size " +
                                     std::to_string(size));
                        const Bytes plain = Plain(size, static_cast<unsigned>(size + 7));
                        Write(Path("p"), plain);
                        c.EncryptToFile(Path("p").c_str(), Path("e").c_str());
                        const size_t whole = (size + bs - 1) / bs * bs;
                        ASSERT_EQ(fs::file_size(Path("e")), 32 + whole);
                        c.DecryptToFile(Path("e").c_str(), Path("d").c_str());
                        const Bytes back = Read(Path("d"));
                        ASSERT_EQ(back.size(), whole);
                        EXPECT_EQ(Bytes(back.begin(), back.begin() + static_cast<long>(size)), plain);
                        const size_t fill = whole - size;
                        const unsigned char fillByte = padding == IMethod::ZEROES   ? 0x00
                                                       : padding == IMethod::BLANKS ? 0x20
                                                                                    : static_cast<unsigned char>(fill);
                        EXPECT_EQ(Bytes(back.begin() + static_cast<long>(size), back.end()), Bytes(fill, fillByte));
                    }
                }
}

TEST_F(CipherFile, ChainRestartsForEveryFile) {
    CRijndaelFILE c;
    const Bytes chain = Plain(16, 5);
    c.SetKey("chained", 7, chain.data(), 16, 16, IMethod::CBC);
    Write(Path("p"), Plain(1000));
    c.EncryptToFile(Path("p").c_str(), Path("e1").c_str());
    unsigned char block[16] = {};
    c.EncryptBlocks(block, block, 16);  // moves the working chain
    c.EncryptToFile(Path("p").c_str(), Path("e2").c_str());
    EXPECT_EQ(Read(Path("e1")), Read(Path("e2")));
    c.EncryptBlocks(block, block, 16);
    c.DecryptToFile(Path("e1").c_str(), Path("d").c_str());
    const Bytes back = Read(Path("d"));
    EXPECT_EQ(Bytes(back.begin(), back.begin() + 1000), Plain(1000));
}

struct OtherSetUp {
    const char* name;
    const char* keyText;
    int keyLength, blockSize, mode, padding;
};

TEST_F(CipherFile, DifferentSetUpFailsOnTheHeaderBeforeWritingPlaintext) {
    const OtherSetUp others[] = {
        {"key text", ".q..wm.%.71857", 16, 16, 0, 0},
        {"key length", ".q..wm.%.71856", 24, 16, 0, 0},
        {"block size", ".q..wm.%.71856", 16, 24, 0, 0},
        {"mode", ".q..wm.%.71856", 16, 16, 1, 0},
        {"padding", ".q..wm.%.71856", 16, 16, 0, 2},
    };
    CRijndaelFILE packer;
    package_key::SetPackageKey(packer);
    Write(Path("setup.inf"), Plain(1000));
    packer.EncryptToFile(Path("setup.inf").c_str(), Path("setup.nsx").c_str());
    for (const auto& o : others) {
        SCOPED_TRACE(o.name);
        Write(Path("out.inf"), Bytes(50, 'z'));  // an old file is truncated, not kept
        CRijndaelFILE c;
        c.SetKey(o.keyText, 14, nullptr, o.keyLength, o.blockSize, o.mode, o.padding);
        EXPECT_EQ(ErrorOf([&] { c.DecryptToFile(Path("setup.nsx").c_str(), Path("out.inf").c_str()); }),
                  "FileCrypt ERROR: File " + Path("setup.nsx") + " cannot be Correctly Decrypted!");
        ASSERT_TRUE(fs::exists(Path("out.inf")));
        EXPECT_EQ(fs::file_size(Path("out.inf")), 0u);
    }
}

TEST_F(CipherFile, ShortOrForeignInputFailsTheHeaderCheck) {
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    unsigned char digest[32];
    c.ParameterDigest(digest);
    Bytes almost(digest, digest + 31);
    const Bytes inputs[] = {Bytes(), Bytes(1, 0), Plain(31), almost, Plain(32), Plain(500)};
    for (const auto& input : inputs) {
        SCOPED_TRACE("input of " + std::to_string(input.size()) + " bytes");
        Write(Path("in.nsx"), input);
        EXPECT_EQ(ErrorOf([&] { c.DecryptToFile(Path("in.nsx").c_str(), Path("out").c_str()); }),
                  "FileCrypt ERROR: File " + Path("in.nsx") + " cannot be Correctly Decrypted!");
        EXPECT_EQ(fs::file_size(Path("out")), 0u);
    }
}

TEST_F(CipherFile, BodyThatIsNotWholeBlocksFailsOnItsLastChunk) {
    struct Case {
        int change;         // bytes added (>0) to or cut (<0) from a 32 + 1008 byte file
        size_t written;     // plaintext written before the bad chunk
    } cases[] = {{5, 768}, {-3, 768}, {1, 768}, {-235, 768}, {-1000, 0}};
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    Write(Path("p"), Plain(1000));
    c.EncryptToFile(Path("p").c_str(), Path("good.nsx").c_str());
    const Bytes good = Read(Path("good.nsx"));
    const Bytes plain = Plain(1000);
    for (const auto& t : cases) {
        SCOPED_TRACE("change " + std::to_string(t.change));
        Bytes bad = good;
        if (t.change > 0) bad.insert(bad.end(), static_cast<size_t>(t.change), 0xAB);
        else bad.resize(bad.size() - static_cast<size_t>(-t.change));
        Write(Path("bad.nsx"), bad);
        EXPECT_EQ(ErrorOf([&] { c.DecryptToFile(Path("bad.nsx").c_str(), Path("out").c_str()); }),
                  "Illegal Block Size!");
        const Bytes out = Read(Path("out"));
        ASSERT_EQ(out.size(), t.written);
        EXPECT_EQ(out, Bytes(plain.begin(), plain.begin() + static_cast<long>(t.written)));
    }
}

TEST_F(CipherFile, RefusesOneFileAsInputAndOutput) {
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    const Bytes plain = Plain(300);
    Write(Path("same"), plain);
    fs::create_directories(dir_ / "sub");
    const std::string other = (dir_ / "sub" / ".." / "same").string();
    for (const std::string& out : {Path("same"), other}) {
        SCOPED_TRACE(out);
        const std::string message = "FileCrypt ERROR: The same File for Input and Output " + Path("same") + "!";
        EXPECT_EQ(ErrorOf([&] { c.EncryptToFile(Path("same").c_str(), out.c_str()); }), message);
        EXPECT_EQ(ErrorOf([&] { c.DecryptToFile(Path("same").c_str(), out.c_str()); }), message);
        EXPECT_EQ(Read(Path("same")), plain);  // untouched
    }
}

TEST_F(CipherFile, ReportsTheFileThatCannotBeOpened) {
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    Write(Path("present"), Plain(10));
    const std::string missing = Path("missing");
    const std::string noFolder = Path("no/such/folder/out");
    struct Case {
        std::string in, out, failing;
    } cases[] = {{missing, Path("out1"), missing}, {Path("present"), noFolder, noFolder}, {missing, noFolder, missing}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.in + " -> " + t.out);
        EXPECT_EQ(ErrorOf([&] { c.EncryptToFile(t.in.c_str(), t.out.c_str()); }),
                  "FileCrypt ERROR: Cannot open File " + t.failing + "!");
        EXPECT_EQ(ErrorOf([&] { c.DecryptToFile(t.in.c_str(), t.out.c_str()); }),
                  "FileCrypt ERROR: Cannot open File " + t.failing + "!");
    }
    // The input is checked before the output is created.
    EXPECT_FALSE(fs::exists(Path("out1")));
}

TEST_F(CipherFile, ReKeyingBetweenFiles) {
    CRijndaelFILE c;
    c.SetKey("first", 5, nullptr, 32, 32, IMethod::CFB, IMethod::BLANKS);
    Write(Path("a"), Plain(777));
    c.EncryptToFile(Path("a").c_str(), Path("a.nsx").c_str());
    package_key::SetPackageKey(c);
    c.EncryptToFile(Path("a").c_str(), Path("b.nsx").c_str());
    EXPECT_FALSE(ErrorOf([&] { c.DecryptToFile(Path("a.nsx").c_str(), Path("x").c_str()); }).empty());
    c.DecryptToFile(Path("b.nsx").c_str(), Path("b").c_str());
    c.SetKey("first", 5, nullptr, 32, 32, IMethod::CFB, IMethod::BLANKS);
    c.DecryptToFile(Path("a.nsx").c_str(), Path("a2").c_str());
    const Bytes a2 = Read(Path("a2"));
    EXPECT_EQ(Bytes(a2.begin(), a2.begin() + 777), Plain(777));
}

}  // namespace
