// The package builder against a small plain package: what goes in encrypted,
// what is copied, what is never shipped, and each refusal.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"
#include "tools/qxpack/package_builder.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Relative path -> content of every file below `root`.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).generic_string()] = ReadText(entry.path());
    return files;
}

class PackageBuilder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("qx_pack_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                 std::to_string(getpid()));
        fs::remove_all(root_);
        plain_ = root_ / "plain";
        out_ = root_ / "out";
        WriteText(plain_ / "setup.inf", "[APPINFO]\r\na1=Demo\r\n");
        WriteText(plain_ / "data.inf", std::string(1000, 'd'));  // spans several cipher chunks
    }
    void TearDown() override { fs::remove_all(root_); }

    void AddFullPackage() {
        WriteText(plain_ / "theme" / "welcome.lcd", "[MAINWINDOW]\r\n");
        WriteText(plain_ / "theme" / "back.bmp", std::string("BM\0\1\2", 5));
        WriteText(plain_ / "language.lan", "[WELCOME]\r\n");
        WriteText(plain_ / "languages" / "de.lan", "[WELCOME]\r\nx=y\r\n");
        WriteText(plain_ / "DiskImage1" / "Program" / "app.exe", std::string(5000, '\x90'));
        WriteText(plain_ / "SupportFiles" / "mergemod.msi", "msi");
        WriteText(plain_ / "readme.rtf", "{\\rtf1}");
        WriteText(plain_ / "setup.nsx", "stale");  // from an older build, must not survive
    }

    std::string Decrypt(const fs::path& nsx) {
        CRijndaelFILE c;
        package_key::SetPackageKey(c);
        const fs::path plain = root_ / "decrypted";
        c.DecryptToFile(nsx.string().c_str(), plain.string().c_str());
        return ReadText(plain);
    }

    static std::string ZeroFilled(std::string text) {
        text.resize((text.size() + 15) / 16 * 16, '\0');
        return text;
    }

    bool Build(const fs::path& in, const fs::path& out, std::string* error) {
        qx::PackageBuildOptions options;
        options.inputFolder = in.string();
        options.outputFolder = out.string();
        return qx::BuildPackage(options, error);
    }

    fs::path root_, plain_, out_;
};

TEST_F(PackageBuilder, EncryptsTheScriptsAndCopiesEverythingElse) {
    AddFullPackage();
    std::string error;
    ASSERT_TRUE(Build(plain_, out_, &error)) << error;

    EXPECT_EQ(Decrypt(out_ / "setup.nsx"), ZeroFilled(ReadText(plain_ / "setup.inf")));
    EXPECT_EQ(Decrypt(out_ / "data.nsx"), ZeroFilled(ReadText(plain_ / "data.inf")));

    auto expected = Tree(plain_);
    expected.erase("setup.inf");
    expected.erase("data.inf");
    expected.erase("setup.nsx");
    auto actual = Tree(out_);
    actual.erase("setup.nsx");
    actual.erase("data.nsx");
    EXPECT_EQ(actual, expected);
    EXPECT_FALSE(fs::exists(out_ / "setup.inf"));
    EXPECT_FALSE(fs::exists(out_ / "data.inf"));
}

TEST_F(PackageBuilder, OnlyTheTwoScriptsAreNeeded) {
    std::string error;
    ASSERT_TRUE(Build(plain_, out_, &error)) << error;
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(out_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"data.nsx", "setup.nsx"}));
}

TEST_F(PackageBuilder, RebuildReplacesTheOldOutput) {
    AddFullPackage();
    std::string error;
    ASSERT_TRUE(Build(plain_, out_, &error)) << error;
    WriteText(plain_ / "setup.inf", "[APPINFO]\r\na1=Second\r\n");
    WriteText(plain_ / "theme" / "welcome.lcd", "[MAINWINDOW]\r\nchanged=1\r\n");
    ASSERT_TRUE(Build(plain_, out_, &error)) << error;
    EXPECT_EQ(Decrypt(out_ / "setup.nsx"), ZeroFilled("[APPINFO]\r\na1=Second\r\n"));
    EXPECT_EQ(ReadText(out_ / "theme" / "welcome.lcd"), "[MAINWINDOW]\r\nchanged=1\r\n");
}

struct Refusal {
    const char* name;
    std::function<void(const fs::path& root, fs::path& in, fs::path& out)> arrange;
    const char* message;  // part of the expected error
};

TEST_F(PackageBuilder, RefusesBadFoldersBeforeWritingAnything) {
    const Refusal cases[] = {
        {"missing input", [](const fs::path& r, fs::path& in, fs::path&) { in = r / "nowhere"; },
         "input folder not found"},
        {"input is a file", [](const fs::path&, fs::path& in, fs::path&) { in = in / "setup.inf"; },
         "input is not a folder"},
        {"no setup.inf", [](const fs::path&, fs::path& in, fs::path&) { fs::remove(in / "setup.inf"); },
         "setup.inf is missing"},
        {"no data.inf", [](const fs::path&, fs::path& in, fs::path&) { fs::remove(in / "data.inf"); },
         "data.inf is missing"},
        {"setup.inf is a folder",
         [](const fs::path&, fs::path& in, fs::path&) {
             fs::remove(in / "setup.inf");
             fs::create_directory(in / "setup.inf");
         },
         "setup.inf is missing"},
        {"same folder", [](const fs::path&, fs::path& in, fs::path& out) { out = in; },
         "output folder is the input folder"},
        {"same folder spelt otherwise",
         [](const fs::path&, fs::path& in, fs::path& out) {
             fs::create_directory(in / "sub");
             out = in / "sub" / "..";
         },
         "output folder is the input folder"},
        {"output inside input", [](const fs::path&, fs::path& in, fs::path& out) { out = in / "build" / "out"; },
         "inside the input folder"},
        {"output below a file",
         [](const fs::path& r, fs::path&, fs::path& out) {
             WriteText(r / "file", "x");
             out = r / "file" / "out";
         },
         "cannot create the output folder"},
        {"output is a file",
         [](const fs::path& r, fs::path&, fs::path& out) {
             out = r / "file";
             WriteText(out, "x");
         },
         "output is not a folder"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        TearDown();
        SetUp();
        fs::path in = plain_, out = out_;
        t.arrange(root_, in, out);
        const auto before = Tree(root_);
        std::string error;
        EXPECT_FALSE(Build(in, out, &error));
        EXPECT_NE(error.find(t.message), std::string::npos) << error;
        EXPECT_EQ(Tree(root_), before);
        EXPECT_FALSE(fs::exists(out_));
    }
}

TEST_F(PackageBuilder, EmptyFolderNamesAreRefused) {
    std::string error;
    EXPECT_FALSE(Build("", out_, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(Build(plain_, "", &error));
    EXPECT_FALSE(fs::exists(out_));
}

TEST_F(PackageBuilder, EncryptScriptMakesOneNsxFile) {
    fs::create_directories(out_);
    qx::EncryptScript((plain_ / "data.inf").string(), (out_ / "variant.nsx").string());
    EXPECT_EQ(Decrypt(out_ / "variant.nsx"), ZeroFilled(std::string(1000, 'd')));
    try {
        qx::EncryptScript((plain_ / "absent.inf").string(), (out_ / "x.nsx").string());
        ADD_FAILURE() << "no error for a missing script";
    } catch (const FileCryptError& e) {
        EXPECT_EQ(std::string(e.what()), "FileCrypt ERROR: Cannot open File " + (plain_ / "absent.inf").string() + "!");
    }
}

}  // namespace
