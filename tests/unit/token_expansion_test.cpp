#include "setup/controller/token_expansion.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TokenValues SampleValues() {
    TokenValues v;
    v.programFiles = "C:\\Program Files";
    v.systemFolder = "C:\\Windows\\system32\\";
    v.windowsFolder = "C:\\Windows";
    v.commonFiles = "C:\\Program Files\\Common Files";
    v.windowsVolume = "C:";
    v.favorites = "C:\\Fav";
    v.personal = "C:\\Docs";
    v.pictures = "C:\\Pics";
    v.tempFolder = "C:\\Temp\\";
    v.sendTo = "C:\\SendTo";
    v.fonts = "C:\\Windows\\Fonts";
    v.appData = "C:\\AppData";
    v.productName = "Trombela";
    v.currentDrive = "D:\\";
    v.currentDirectory = "D:\\pkg\\";
    v.installDir = "C:\\Program Files\\Trombela\\";
    v.productCode = "{PC}";
    v.userName = "anna";
    v.companyName = "Acme";
    v.publisher = "Morvaine";
    v.productVersion = "2.0";
    return v;
}

struct Case {
    const char* text;
    const char* expected;
};

class ExpandTokensTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExpandTokensTest, Expands) {
    ScriptVariables vars = {{"%PORT%", "8080"}, {"%DIR%", "<InstallDir>"}};
    EXPECT_EQ(ExpandTokens(GetParam().text, SampleValues(), vars), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExpandTokensTest,
    ::testing::Values(
        // No angle bracket: returned as it is, square brackets and doubled backslashes included.
        Case{"[InstallDir]readme.txt", "[InstallDir]readme.txt"},
        Case{"C:\\\\x %PORT%", "C:\\\\x %PORT%"},
        // With an angle bracket, square brackets count as angle brackets.
        Case{"<InstallDir>[ProductName].exe", "C:\\Program Files\\Trombela\\Trombela.exe"},
        Case{"<InstallDir>\\bin", "C:\\Program Files\\Trombela\\bin"},
        Case{"<Install Dir>x", "C:\\Program Files\\Trombela\\x"},
        Case{"<TempFolder>\\qx1\\a.bmp", "C:\\Temp\\qx1\\a.bmp"},
        Case{"<SystemFolder>x.dll", "C:\\Windows\\system32\\x.dll"},
        Case{"<WindowsVolume>\\boot", "C:\\boot"},
        Case{"<USERNAME>/<UserName>", "anna/anna"},
        Case{"<CurrentDrive><CurrentDirectory>", "D:\\D:\\pkg\\"},
        Case{"<ProductCode> <Publisher> <ProductVersion> <CompanyName>", "{PC} Morvaine 2.0 Acme"},
        // Token names are case-sensitive.
        Case{"<installdir>", "<installdir>"},
        // Variables come after the fixed tokens, so a variable's value is not expanded again.
        Case{"<ProgramFilesFolder>:%PORT%", "C:\\Program Files:8080"},
        Case{"<x>%DIR%", "<x><InstallDir>"},
        // One left-to-right pass: four backslashes become two, three become two.
        Case{"<x>a\\\\\\\\b", "<x>a\\\\b"},
        Case{"<x>a\\\\\\b", "<x>a\\\\b"},
        Case{"<", "<"}),
    [](const ::testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

TEST(ReplaceAll, ReplacementContainingPatternDoesNotLoop) {
    std::string s = "aXa";
    ReplaceAll(s, "a", "aa");
    EXPECT_EQ(s, "aaXaa");
    ReplaceAll(s, "", "zz");
    EXPECT_EQ(s, "aaXaa");
}

}  // namespace
}  // namespace qx
