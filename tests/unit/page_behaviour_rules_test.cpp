// The Ready summary and the name rules of the standard page behaviours.
#include "setup/pages/page_behaviours_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace qx::pages;

struct SummaryCase {
    ReadySummaryValues values;
    std::string expected;
};

TEST(ReadySummary, LinesFollowTypeFolderAndUserInformation) {
    const SummaryCase cases[] = {
        {{0, "C:\\Apps\\Trombela\\", "Ann", ""},
         "\r\nSetup Type:\r\n\r\nTypical\r\n\r\nDestination Folder:\r\n\r\nC:\\Apps\\Trombela\\\r\n\r\n"
         "User Information:\r\n\r\nName:Ann\r\n\r\n"},
        {{1, "D:\\X\\", "Ann", "Morvaine"},
         "\r\nSetup Type:\r\n\r\nMinimal\r\n\r\nDestination Folder:\r\n\r\nD:\\X\\\r\n\r\n"
         "User Information:\r\n\r\nName:Ann\r\n\r\nCompany:Morvaine\r\n\r\n"},
        {{2, "D:\\X\\", "", "Morvaine"},
         "\r\nSetup Type:\r\n\r\nCustom\r\n\r\nDestination Folder:\r\n\r\nD:\\X\\\r\n\r\n"
         "User Information:\r\n\r\nCompany:Morvaine\r\n\r\n"},
        // An unknown type names none; empty user values add no lines.
        {{7, "", "", ""},
         "\r\nSetup Type:\r\n\r\nDestination Folder:\r\n\r\n\r\n\r\nUser Information:\r\n\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildReadySummary(c.values), c.expected) << c.values.setupType;
}

TEST(ReadySummary, EmptyOrganisationHasNoCompanyLine) {
    const std::string text = BuildReadySummary({0, "C:\\A\\", "Ann", ""});
    EXPECT_EQ(text.find("Company:"), std::string::npos);
}

TEST(PageBehaviourRules, SetupTypesOutsideTheThreeCountAsTypical) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {-1, 0}, {3, 0}, {255, 0}};
    for (auto [in, out] : cases) EXPECT_EQ(NormalisedSetupType(in), out) << in;
}

TEST(PageBehaviourRules, RichTextIsFoundInAnyCaseAnywhereInThePath) {
    const std::pair<const char*, bool> cases[] = {{"C:\\w\\ReadMe.RTF", true}, {"license.rtf", true},
                                                  {"C:\\a.rtfx\\b.txt", true}, {"readme.txt", false},
                                                  {"rtf", false},              {"", false}};
    for (auto [path, rich] : cases) EXPECT_EQ(IsRichTextPath(path), rich) << path;
}

TEST(PageBehaviourRules, FileNamePartDropsTheFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"license.rtf", "license.rtf"}, {"C:\\a\\b\\lic.txt", "lic.txt"}, {"docs/readme.rtf", "readme.rtf"},
        {"C:\\a\\", ""}};
    for (auto [path, name] : cases) EXPECT_EQ(FileNamePart(path), name) << path;
}

TEST(PageBehaviourRules, OnlyTheFiveFullRootNamesAreKnown) {
    EXPECT_EQ(ParseRegistryRoot("HKEY_CLASSES_ROOT"), RegistryRootName::ClassesRoot);
    EXPECT_EQ(ParseRegistryRoot("HKEY_CURRENT_USER"), RegistryRootName::CurrentUser);
    EXPECT_EQ(ParseRegistryRoot("HKEY_LOCAL_MACHINE"), RegistryRootName::LocalMachine);
    EXPECT_EQ(ParseRegistryRoot("HKEY_USERS"), RegistryRootName::Users);
    EXPECT_EQ(ParseRegistryRoot("HKEY_CURRENT_CONFIG"), RegistryRootName::CurrentConfig);
    for (const char* other : {"HKCU", "hkey_current_user", "", "HKEY_PERFORMANCE_DATA"})
        EXPECT_EQ(ParseRegistryRoot(other), RegistryRootName::None) << other;
}

}  // namespace
