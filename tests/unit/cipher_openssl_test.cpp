// The package set-up is plain AES-128 in ECB mode after a SHA-256 header, so a
// general-purpose tool must read and write the same bytes. Skipped where the
// openssl command is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

// ".q..wm.%.71856" repeated to 16 bytes: ".q..wm.%.71856.q".
const char kPackageKeyHex[] = "2e712e2e776d2e252e37313835362e71";

class CipherOpenssl : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("openssl version >/dev/null 2>&1") != 0) GTEST_SKIP() << "openssl is not installed";
        dir_ = fs::temp_directory_path() /
               ("qx_openssl_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static void Write(const std::string& path, const Bytes& data) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    }
    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static int Run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()); }

    fs::path dir_;
};

Bytes Plain(size_t size) {
    Bytes b(size);
    for (size_t i = 0; i < size; ++i) b[i] = static_cast<unsigned char>((i * 131 + 17) ^ (i >> 8));
    return b;
}

TEST_F(CipherOpenssl, BodyIsAes128EcbOfTheZeroFilledText) {
    for (size_t size : {16, 100, 1000, 4099}) {
        SCOPED_TRACE("plain size " + std::to_string(size));
        CRijndaelFILE c;
        package_key::SetPackageKey(c);
        const Bytes plain = Plain(size);
        Write(Path("setup.inf"), plain);
        c.EncryptToFile(Path("setup.inf").c_str(), Path("setup.nsx").c_str());
        const Bytes encrypted = Read(Path("setup.nsx"));
        ASSERT_GT(encrypted.size(), 32u);
        Write(Path("body"), Bytes(encrypted.begin() + 32, encrypted.end()));

        ASSERT_EQ(Run("openssl enc -d -aes-128-ecb -nopad -K " + std::string(kPackageKeyHex) + " -in " +
                      Path("body") + " -out " + Path("openssl.inf")),
                  0);
        Bytes filled = plain;
        filled.resize((size + 15) / 16 * 16, 0);
        EXPECT_EQ(Read(Path("openssl.inf")), filled);

        // And the other way round: what the tool encrypts, the cipher reads.
        Write(Path("filled"), filled);
        ASSERT_EQ(Run("openssl enc -e -aes-128-ecb -nopad -K " + std::string(kPackageKeyHex) + " -in " +
                      Path("filled") + " -out " + Path("tool.body")),
                  0);
        EXPECT_EQ(Read(Path("tool.body")), Bytes(encrypted.begin() + 32, encrypted.end()));
    }
}

TEST_F(CipherOpenssl, HeaderIsSha256OfTheParameterText) {
    Write(Path("text"), Bytes{'R', 'I', 'J', 'N', 'D', 'A', 'E', 'L', '.', 'q', '.', '.', 'w', 'm', '.', '%',
                              '.', '7', '1', '8', '5', '6', '.', 'q', '1', '6', '1', '6', '0', '0'});
    ASSERT_EQ(Run("openssl dgst -sha256 -binary -out " + Path("digest") + " " + Path("text")), 0);
    CRijndaelFILE c;
    package_key::SetPackageKey(c);
    Write(Path("empty"), Bytes());
    c.EncryptToFile(Path("empty").c_str(), Path("empty.nsx").c_str());
    EXPECT_EQ(Read(Path("empty.nsx")), Read(Path("digest")));
}

}  // namespace
