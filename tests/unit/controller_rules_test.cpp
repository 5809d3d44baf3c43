#include "setup/controller/action_command.h"
#include "setup/controller/background_colors.h"
#include "setup/controller/folder_rules.h"
#include "setup/dialogs/trace_line.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(BackgroundColor, ParsesKnownComponentsAndZeroesOthers) {
    struct Case {
        const char* text;
        Rgb expected;
    } cases[] = {
        {"Blue@0x00,0x00,0x80", {0, 0, 128}},
        {"Silver@0xC0,0xC0,0xC0", {192, 192, 192}},
        {"White@0xFF,0xFF,0xFF", {255, 255, 255}},
        {"@0xFF,0x80,0x00", {255, 128, 0}},
        {"Odd@0x40,0xff,0xFF", {0, 0, 255}},  // only the four listed texts, case-sensitive
        {"Short@0xFF", {255, 0, 0}},
        {"", {0, 0, 0}},
        {"NoAt", {0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseBackgroundColor(c.text), c.expected) << c.text;
}

TEST(BackgroundColor, GradientRowsUseTruncatingDivision) {
    Rgb top{0, 255, 128}, bottom{255, 0, 128};
    EXPECT_EQ(GradientRow(top, bottom, 0, 768), top);
    // 255 * 767 / 768 = 254.67 -> 254 ; 255 + (-255 * 767) / 768 = 255 - 254 = 1
    EXPECT_EQ(GradientRow(top, bottom, 767, 768), (Rgb{254, 1, 128}));
    EXPECT_EQ(GradientRow(top, bottom, 384, 768), (Rgb{127, 128, 128}));
    EXPECT_EQ(GradientRow(top, bottom, 5, 0), top);
}

TEST(ActionCommand, TellsTheThreeKindsApart) {
    struct Case {
        const char* text;
        ActionKind kind;
        const char* message;
    } cases[] = {
        {"CancelInstall();", ActionKind::CancelInstall, ""},
        {"CancelInstall();x", ActionKind::None, ""},
        {" CancelInstall();", ActionKind::None, ""},
        {"CancelInstall()", ActionKind::None, ""},
        {"ShowMessage(Hello there);", ActionKind::ShowMessage, "Hello there"},
        {"ShowMessage(a(b));", ActionKind::ShowMessage, "a(b)"},
        {"ShowMessage(x", ActionKind::ShowMessage, ""},
        {"ShowMessage", ActionKind::ShowMessage, ""},
        {"RunApp();", ActionKind::None, ""},
    };
    for (const auto& c : cases) {
        ActionCommand cmd = ParseActionCommand(c.text);
        EXPECT_EQ(cmd.kind, c.kind) << c.text;
        EXPECT_EQ(cmd.message, c.message) << c.text;
    }
}

TEST(FolderRules, CurrentDriveAndBackslash) {
    EXPECT_EQ(CurrentDriveOf("C:\\pkg\\"), "C:\\");
    EXPECT_EQ(CurrentDriveOf("Z:\\"), "Z:\\");
    EXPECT_EQ(CurrentDriveOf("\\\\server\\share\\pkg\\"), "\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(WithTrailingBackslash(""), "\\");
}

TEST(FolderRules, ThemeFilesLoseEveryMarker) {
    EXPECT_EQ(ThemeFileDestination("C:\\pkg\\theme\\", "^!logo.bmp"), "C:\\pkg\\theme\\logo.bmp");
    EXPECT_EQ(ThemeFileDestination("C:\\pkg\\theme\\", "^!a^!b.gif"), "C:\\pkg\\theme\\ab.gif");
    EXPECT_EQ(ThemeFileDestination("C:\\p^!\\theme\\", "^!x"), "C:\\p\\theme\\x");
}

TEST(FolderRules, WorkFolderNameAndFileName) {
    EXPECT_EQ(WorkFolderName(9, 5, 7), "qx090507");
    EXPECT_EQ(WorkFolderName(23, 59, 59), "qx235959");
    EXPECT_EQ(FileNamePart("C:\\a\\b\\pic.jpg"), "pic.jpg");
    EXPECT_EQ(FileNamePart("pic.jpg"), "pic.jpg");
    EXPECT_EQ(FileNamePart("C:\\a\\"), "");
}

TEST(FolderRules, ResourceDirGoesToDiskImageOrWorkFolder) {
    EXPECT_EQ(ResolveResourceText("<ResourceDir>\\tool.exe", false, "qx101010", "C:\\pkg\\"),
              "C:\\pkg\\DiskImage1\\tool.exe");
    EXPECT_EQ(ResolveResourceText("<ResourceDir>\\tool.exe", true, "qx101010", "C:\\pkg\\"),
              "<TempFolder>\\qx101010\\\\tool.exe");
    EXPECT_EQ(ResolveResourceText("C:\\x\\tool.exe", true, "qx101010", "C:\\pkg\\"), "C:\\x\\tool.exe");
}

TEST(TraceLine, TimePrefixTextAndStar) {
    EXPECT_EQ(FormatTraceLine(14, 3, 7, "UnCompress"), "(14:03:07) -UnCompress*");
    EXPECT_EQ(FormatTraceLine(0, 0, 0, ""), "(00:00:00) -*");
}

}  // namespace
}  // namespace qx
