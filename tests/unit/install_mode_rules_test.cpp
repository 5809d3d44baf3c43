#include "setup/base/ini_text.h"
#include "setup/controller/install_mode_rules.h"
#include "setup/controller/requirement_rules.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

struct SplitCase {
    const char* a28;
    const char* root;
    const char* keyPath;
    const char* valueName;
    bool readable;
};

class RegistryLocationSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(RegistryLocationSplit, TakesRootKeyAndValueAtTheBackslashes) {
    const auto& c = GetParam();
    RegistryLocation loc = SplitRegistryLocation(c.a28);
    EXPECT_EQ(loc.root, c.root);
    EXPECT_EQ(loc.keyPath, c.keyPath);
    EXPECT_EQ(loc.valueName, c.valueName);
    EXPECT_EQ(loc.Readable(), c.readable);
}

INSTANTIATE_TEST_SUITE_P(
    Locations, RegistryLocationSplit,
    ::testing::Values(
        SplitCase{"HKEY_CURRENT_USER\\Software\\Maker\\Product\\Folder", "HKEY_CURRENT_USER", "Software\\Maker\\Product",
                  "Folder", true},
        SplitCase{"HKEY_LOCAL_MACHINE\\SOFTWARE\\Maker\\Product\\InstallPath", "HKEY_LOCAL_MACHINE",
                  "SOFTWARE\\Maker\\Product", "InstallPath", true},
        // Every "<root>\" goes, also one repeated inside the path.
        SplitCase{"HKEY_CURRENT_USER\\Software\\HKEY_CURRENT_USER\\Dir\\Value", "HKEY_CURRENT_USER", "Software\\Dir",
                  "Value", true},
        SplitCase{"HKEY_LOCAL_MACHINE\\Value", "HKEY_LOCAL_MACHINE", "HKEY_LOCAL_MACHINE", "Value", true},
        SplitCase{"HKEY_CLASSES_ROOT\\Software\\Folder", "HKEY_CLASSES_ROOT", "Software", "Folder", false},
        SplitCase{"hkey_current_user\\Software\\Folder", "hkey_current_user", "Software", "Folder", false},
        SplitCase{"HKEY_CURRENT_USER", "", "", "", false}, SplitCase{"", "", "", "", false}));

TEST(InstallModes, AreChosenByExactTexts) {
    EXPECT_EQ(DecideInstallMode("New Installation", "Auto-Detect"), InstallMode::NewInstallation);
    EXPECT_EQ(DecideInstallMode("Upgrade", "Auto-Detect"), InstallMode::UpgradeAutoDetect);
    EXPECT_EQ(DecideInstallMode("Upgrade", "auto-detect"), InstallMode::UpgradeFromRegistry);
    EXPECT_EQ(DecideInstallMode("Upgrade", ""), InstallMode::UpgradeFromRegistry);
    EXPECT_EQ(DecideInstallMode("upgrade", "Auto-Detect"), InstallMode::Other);
    EXPECT_EQ(DecideInstallMode("", ""), InstallMode::Other);
    EXPECT_EQ(UninstallKeyFor("{PC}"), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{PC}");
}

TEST(SystemSection, BuildsTheMaskFromExactYes) {
    SystemRequirements r = ReadSystemRequirements(
        IniText("[SYSTEM]\nos0=Yes\nos1=yes\nos3=Yes\nos5=Yes \nos7=Yes\n1=All Processors\n2=Any\n3=checkSCREEN\n"
                "4=Any colors\n"));
    // The profile rules trim the blank after "Yes" on os5.
    EXPECT_EQ(r.osMask, 1 + 8 + 32 + 128);
    EXPECT_TRUE(ChecksOperatingSystem(r));
    EXPECT_FALSE(ChecksProcessor(r));
    EXPECT_FALSE(ChecksMemory(r));
    EXPECT_FALSE(ChecksResolution(r));
    EXPECT_FALSE(ChecksColours(r));

    SystemRequirements all = ReadSystemRequirements(
        IniText("[SYSTEM]\nos0=Yes\nos1=Yes\nos2=Yes\nos3=Yes\nos4=Yes\nos5=Yes\nos6=Yes\nos7=Yes\n"));
    EXPECT_EQ(all.osMask, 255);
    EXPECT_FALSE(ChecksOperatingSystem(all)) << "all eight systems: the probe is skipped";
    SystemRequirements noneAllowed = ReadSystemRequirements(IniText("[SYSTEM]\nos0=No\nos5=no\n"));
    EXPECT_EQ(noneAllowed.osMask, 0);
    EXPECT_TRUE(ChecksOperatingSystem(noneAllowed)) << "mask 0 goes to the probe";
    // An absent section asks for everything it can: empty texts are not the skip words.
    SystemRequirements none = ReadSystemRequirements(IniText(""));
    EXPECT_EQ(none.osMask, 0);
    EXPECT_FALSE(ChecksOperatingSystem(none)) << "a script naming no system asks for none";
    EXPECT_FALSE(ChecksProcessor(none)) << "every name contains the empty text";
    EXPECT_TRUE(ChecksMemory(none));
    EXPECT_TRUE(ChecksResolution(none));
    EXPECT_TRUE(ChecksColours(none));
    EXPECT_TRUE(ChecksProcessor(ReadSystemRequirements(IniText("[SYSTEM]\n1=All Processors2\n"))));
}

TEST(SystemSection, MemoryWithOrWithoutSuffixIsTheSame) {
    EXPECT_EQ(RequiredMegabytes("256 MB"), 256);
    EXPECT_EQ(RequiredMegabytes("256"), 256);
    EXPECT_EQ(RequiredMegabytes("999999 MB"), 999999);
    EXPECT_EQ(RequiredMegabytes("2 MB56"), 256) << "every suffix is removed before reading";
    EXPECT_EQ(RequiredMegabytes("MB"), 0);
}

TEST(RequirementMessages, ComeFromTheLanguageFileOrTheDefaults) {
    IniText language("[REQ]\n0=System [ProductName] zbyt stary\n3=\n");
    EXPECT_EQ(RequirementMessageText(RequirementMessage::OperatingSystem, language), "System [ProductName] zbyt stary");
    EXPECT_EQ(RequirementMessageText(RequirementMessage::Memory, language),
              "The amount of RAM is not adequate for running <ProductName>.");
    const std::pair<RequirementMessage, const char*> defaults[] = {
        {RequirementMessage::OperatingSystem, "The operating system is not adequate for running <ProductName>."},
        {RequirementMessage::Colours, "The color settings of your system are not adequate for running <ProductName>."},
        {RequirementMessage::Screen, "The screen resolution is not adequate for running <ProductName>."},
        {RequirementMessage::Memory, "The amount of RAM is not adequate for running <ProductName>."},
        {RequirementMessage::Processor, "The processor is not adequate for running <ProductName>."},
    };
    IniText empty("");
    int key = 0;
    for (const auto& d : defaults) {
        EXPECT_EQ(RequirementMessageText(d.first, empty), d.second);
        EXPECT_EQ(RequirementMessageKey(d.first), std::to_string(key++));
    }
}

}  // namespace
}  // namespace qx
