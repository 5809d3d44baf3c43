#include "setup/base/ini_text.h"
#include "setup/controller/language_rules.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(LanguageIds, NameTheTwelveLanguages) {
    const std::pair<int, const char*> cases[] = {
        {1033, "English"}, {1046, "Portuguese"}, {1050, "Croatian"}, {1030, "Danish"}, {2067, "Dutch"},
        {1031, "German"},  {1040, "Italian"},    {1045, "Polish"},   {3098, "Serbian"}, {1034, "Spanish"},
        {1053, "Swedish"}, {1055, "Turkish"},    {2057, ""},         {1036, ""},        {0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageNameForId(c.first), c.second) << c.first;
}

TEST(LanguageFiles, LiveInTheLanguagesFolderWhenThereIsOne) {
    EXPECT_EQ(LanguageFileLocation("D:\\pkg\\", "Polish", true), "D:\\pkg\\languages\\Polish.lan");
    EXPECT_EQ(LanguageFileLocation("D:\\pkg\\", "Polish", false), "D:\\pkg\\Polish.lan");
    EXPECT_EQ(LanguageFileLocation("D:\\pkg\\", "", true), "D:\\pkg\\languages\\.lan");
}

struct KeyCase {
    const char* layout;
    const char* idName;
    const char* section;
    const char* key;
};

class LanguageKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(LanguageKeys, MapLayoutAndControlToSectionAndKey) {
    const auto& c = GetParam();
    LanguageKey k = LanguageKeyFor(c.layout, c.idName);
    EXPECT_EQ(k.section, c.section);
    EXPECT_EQ(k.key, c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageKeys,
    ::testing::Values(
        KeyCase{"welcome.lcd", "IDCANCEL", "InstallWelcome", "0"}, KeyCase{"welcome.lcd", "IDC_STATIC3", "InstallWelcome", "5"},
        KeyCase{"license.lcd", "IDC_NEXT", "LicenseAgreement", "6"},
        KeyCase{"license.lcd", "IDC_ACCEPTLICENSE", "Value", "1"},
        KeyCase{"license.lcd", "IDC_NOTACCEPTLICENSE", "Value", "0"},
        KeyCase{"readme.lcd", "IDC_TITLE", "ReadmeInformation", "4"},
        KeyCase{"customer.lcd", "IDC_STATIC4", "CustomerInformation", "10"},
        KeyCase{"customer.lcd", "IDC_ANYONE", "Value", "8"}, KeyCase{"customer.lcd", "IDC_ONLYFORME", "Value", "9"},
        KeyCase{"destination.lcd", "IDC_BROWSE", "DestinationFolder", "7"},
        KeyCase{"setuptype.lcd", "IDC_STATIC3", "SetupType", "10"}, KeyCase{"setuptype.lcd", "IDC_CUSTOM", "Value", "4"},
        KeyCase{"customsetup.lcd", "IDCANCEL", "CustomSetup", "2"},
        KeyCase{"customsetup.lcd", "IDC_GROUPBOX1", "CustomSetup", "13"},
        KeyCase{"ready.lcd", "IDC_NEXT", "ReadyToInstall", "5"}, KeyCase{"ready.lcd", "IDC_STATIC2", "ReadyToInstall", "16"},
        KeyCase{"progress.lcd", "IDC_STATIC2", "SetupProgress", "11"},
        KeyCase{"complete.lcd", "IDC_LAUNCHFILE", "SetupCompleteSuccess", "7"},
        KeyCase{"setuperror.lcd", "IDRETRY", "SetupError", "6"}, KeyCase{"cancelsetup.lcd", "IDYES", "CancelSetup", "2"},
        KeyCase{"uninstall.lcd", "IDC_STATIC1", "SetupProgress", "12"}, KeyCase{"start.lcd", "IDCANCEL", "SETUP", "1"},
        KeyCase{"welcome.lcd", "IDC_TITLE", "", ""}, KeyCase{"askuser.lcd", "IDCANCEL", "", ""},
        KeyCase{"Welcome.lcd", "IDCANCEL", "", ""}, KeyCase{"welcome.lcd", "idcancel", "", ""}));

TEST(LanguageList, NamesTheLanguageFilesOnly) {
    EXPECT_EQ(LanguageListText({"Polish.lan", "English.LAN", "language.lan", "readme.txt", ".lan", "German.lan"}),
              "English\r\nGerman\r\nPolish\r\n");
    EXPECT_EQ(LanguageListText({}), "");
}

TEST(LanguageLayouts, AreAppliedInTheFixedOrder) {
    EXPECT_EQ(StandardLayouts(),
              (std::vector<std::string>{"welcome.lcd", "license.lcd", "readme.lcd", "customer.lcd", "destination.lcd",
                                        "setuptype.lcd", "customsetup.lcd", "ready.lcd", "progress.lcd", "complete.lcd",
                                        "setuperror.lcd", "cancelsetup.lcd", "uninstall.lcd", "start.lcd"}));
}

TEST(LanguageCaptions, KeepTheTextAfterTheBraceWithBracketsTurned) {
    EXPECT_EQ(CaptionFromLanguageText("Welcome to [ProductName]"), "Caption|Welcome to <ProductName>|0");
    EXPECT_EQ(CaptionFromLanguageText("{\\rtf x}Next >"), "Caption|Next >|0");
    EXPECT_EQ(CaptionFromLanguageText("a}b}c"), "Caption|b}c|0");
    EXPECT_EQ(CaptionFromLanguageText(""), "Caption||0");
    EXPECT_EQ(LayoutPropertyKey(0, 1), "3000,1");
    EXPECT_EQ(LayoutPropertyKey(9, 0), "3009,0");
    EXPECT_EQ(LayoutPropertyKey(10, 1), "3010,1");
    EXPECT_EQ(LayoutPropertyKey(11, 1), "3011,1");
    EXPECT_EQ(IdNameOfProperty("Name|IDC_NEXT|0"), "IDC_NEXT");
    EXPECT_EQ(IdNameOfProperty("Name|IDC_NEXT"), "IDC_NEXT");
    EXPECT_EQ(IdNameOfProperty("IDC_NEXT"), "");
}

TEST(LanguageCaptions, RewriteOnlyMappedControlsOfALayout) {
    std::string layout = "[INFO]\nTOTAL=12\n[DADOS]\n";
    const char* ids[] = {"IDC_BACK", "IDC_NEXT", "IDCANCEL", "IDC_LOGO", "IDC_STATIC1", "IDC_STATIC2",
                         "IDC_STATIC3", "IDC_X", "IDC_Y", "IDC_Z", "IDC_NEXT", ""};
    for (int i = 0; i < 12; ++i)
        layout += LayoutPropertyKey(i, 0) + "=Name|" + ids[i] + "|0\n" + LayoutPropertyKey(i, 1) + "=Caption|old|0\n";
    IniText language("[InstallWelcome]\n0=Anuluj\n1=< Wstecz\n2={x}Dalej >\n3=Witamy w [ProductName]\n4=\n");
    auto writes = LanguageCaptionsFor("welcome.lcd", IniText(layout), language);
    std::vector<std::pair<std::string, std::string>> expected = {
        {"3000,1", "Caption|< Wstecz|0"},  {"3001,1", "Caption|Dalej >|0"},
        {"3002,1", "Caption|Anuluj|0"},    {"3004,1", "Caption|Witamy w <ProductName>|0"},
        {"3005,1", "Caption||0"},          {"3006,1", "Caption||0"},  // missing key 5 empties it
        {"3010,1", "Caption|Dalej >|0"},
    };
    EXPECT_EQ(writes, expected);
    EXPECT_TRUE(LanguageCaptionsFor("askuser.lcd", IniText(layout), language).empty());
    EXPECT_TRUE(LanguageCaptionsFor("welcome.lcd", IniText("[INFO]\nTOTAL=0\n"), language).empty());
}

TEST(LanguageCaptions, StopAtTheLastKeyTheFormCanName) {
    std::string layout = "[INFO]\nTOTAL=100000000\n[DADOS]\n3000,0=N|IDC_NEXT|0\n";
    auto writes = LanguageCaptionsFor("welcome.lcd", IniText(layout), IniText("[InstallWelcome]\n2=Dalej\n"));
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].first, "3000,1");
}

}  // namespace
}  // namespace qx
