#include "setup/base/ini_text.h"
#include "setup/base/table_limits.h"
#include "setup/controller/file_action_records.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(FileActionPages, TranslateDisplayNamesAndKeepOtherTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"Install Welcome", "welcome.lcd"},         {"License Agreement", "license.lcd"},
        {"Readme Dialog", "readme.lcd"},            {"Customer Information", "customer.lcd"},
        {"Destination Folder", "destination.lcd"},  {"Setup Type", "setuptype.lcd"},
        {"Custom Setup", "customsetup.lcd"},        {"Ready to Install", "ready.lcd"},
        {"Setup Progress", "progress.lcd"},         {"Setup Complete", "complete.lcd"},
        {"Installation Start", "start.lcd"},        {"setup type", "setup type"},
        {"destination.lcd", "destination.lcd"},     {"After Click Finish Button", "After Click Finish Button"},
    };
    for (const auto& c : cases) EXPECT_EQ(PageForDisplayName(c.first), c.second) << c.first;
}

TEST(FileActionOsMask, BlocksOnlyTheNamedSystemsWithAClearBit) {
    const char* names[] = {"VIS", "NET", "XP", "2000", "NT4", "ME", "98SE", "98"};
    for (int i = 0; i < 8; ++i) {
        const int bit = 1 << i;
        EXPECT_FALSE(OsMaskBlocks(255, names[i])) << names[i];
        EXPECT_TRUE(OsMaskBlocks(0, names[i])) << names[i];
        EXPECT_FALSE(OsMaskBlocks(bit, names[i])) << names[i];
        EXPECT_TRUE(OsMaskBlocks(255 & ~bit, names[i])) << names[i];
    }
    EXPECT_FALSE(OsMaskBlocks(0, ""));
    EXPECT_FALSE(OsMaskBlocks(0, "W10"));
}

TEST(FileActionRecords, ReadExpandResolveAndTranslate) {
    IniText script("[FILEACTION]\nTOTAL=2\nB0=<InstallDir>tool.exe\nC0=/q <InstallDir>\nE0=Setup Type\nF0=f\n"
                   "G0=Yes\nH0=No\nL0=12abc\nM0=Cond\nB1=http://x/\nE1=After Click Finish Button\n");
    auto expand = [](const std::string& s) {
        std::string out = s;
        std::size_t p;
        while ((p = out.find("<InstallDir>")) != std::string::npos) out.replace(p, 12, "C:\\T\\");
        return out;
    };
    auto resolve = [](const std::string& s) { return "[" + s + "]"; };
    int total = 0;
    auto records = ReadFileActionRecords(script, expand, resolve, &total);
    EXPECT_EQ(total, 2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].target, "[C:\\T\\tool.exe]");
    EXPECT_EQ(records[0].parameters, "/q C:\\T\\");
    EXPECT_EQ(records[0].page, "setuptype.lcd");
    EXPECT_EQ(records[0].f, "f");
    EXPECT_EQ(records[0].runOnce, "Yes");
    EXPECT_EQ(records[0].wait, "No");
    EXPECT_EQ(records[0].osMask, 12);
    EXPECT_EQ(records[0].condition, "Cond");
    EXPECT_EQ(records[0].executed, 0);
    EXPECT_EQ(records[1].page, "After Click Finish Button");
    EXPECT_EQ(records[1].osMask, 0);
}

TEST(FileActionRecords, IgnoreEntriesBeyondTheTable) {
    std::string text = "[FILEACTION]\nTOTAL=20\n";
    for (int i = 0; i < 20; ++i) text += "B" + std::to_string(i) + "=t" + std::to_string(i) + ".exe\n";
    auto same = [](const std::string& s) { return s; };
    int total = 0;
    auto records = ReadFileActionRecords(IniText(text), same, same, &total);
    EXPECT_EQ(total, 20);
    ASSERT_EQ(static_cast<int>(records.size()), kMaxFileActions);
    EXPECT_EQ(records.back().target, "t12.exe");
}

FileActionRecord Record(const char* target, const char* wait = "", const char* once = "", int mask = 255) {
    FileActionRecord r;
    r.target = target;
    r.wait = wait;
    r.runOnce = once;
    r.osMask = mask;
    return r;
}

struct PlanCase {
    FileActionRecord record;
    const char* os;
    FileActionPlan plan;
};

bool operator==(const FileActionPlan& a, const FileActionPlan& b) {
    return a.run == b.run && a.openWebAddress == b.openWebAddress && a.startProgram == b.startProgram &&
           a.programViaShell == b.programViaShell && a.shellWithParameters == b.shellWithParameters &&
           a.waitForProgram == b.waitForProgram && a.callLibrary == b.callLibrary;
}

TEST(FileActionPlans, FollowTargetKindAndWaitFlag) {
    //                         run    web    exe    shell  params wait   dll
    const PlanCase cases[] = {
        {Record("C:\\T\\Tool.EXE", "Yes"), "XP", {true, false, true, false, false, true, false}},
        {Record("C:\\T\\tool.exe", "No"), "XP", {true, false, true, true, true, false, false}},
        {Record("C:\\T\\tool.exe", "yes"), "XP", {true, false, true, true, true, false, false}},
        {Record("HTTP://host/setup.exe", "Yes"), "XP", {true, true, true, true, false, false, false}},
        {Record("http://host/setup.exe", "Yes"), "XP", {true, true, true, true, false, false, false}},
        {Record("http://host/page.html"), "XP", {true, true, false, false, false, false, false}},
        {Record("C:\\T\\hook.DLL"), "XP", {true, false, false, false, false, false, true}},
        {Record("C:\\T\\x.exe.dll", "Yes"), "XP", {true, false, true, false, false, true, true}},
        {Record("C:\\T\\tool.exe", "Yes", "", 0), "XP", {}},
        {Record("C:\\T\\tool.exe", "Yes", "", 0), "", {true, false, true, false, false, true, false}},
        {Record("C:\\T\\tool.exe", "Yes", "", 4), "XP", {true, false, true, false, false, true, false}},
        {Record("C:\\T\\tool.exe", "Yes", "", 4), "VIS", {}},
    };
    for (const auto& c : cases) {
        FileActionRecord r = c.record;
        EXPECT_TRUE(PlanFileAction(r, c.os) == c.plan) << c.record.target << " on " << c.os;
    }
}

TEST(FileActionPlans, RunOnceIsMarkedEvenWhenTheSystemBlocksIt) {
    FileActionRecord once = Record("tool.exe", "Yes", "Yes", 0);
    EXPECT_FALSE(PlanFileAction(once, "XP").run);
    EXPECT_EQ(once.executed, 255);
    FileActionRecord allowed = Record("tool.exe", "Yes", "Yes");
    EXPECT_TRUE(PlanFileAction(allowed, "XP").run);
    EXPECT_FALSE(PlanFileAction(allowed, "XP").run) << "second entry of the page";
    FileActionRecord every = Record("tool.exe", "Yes", "yes");
    EXPECT_TRUE(PlanFileAction(every, "XP").run);
    EXPECT_TRUE(PlanFileAction(every, "XP").run);
    EXPECT_EQ(every.executed, 0);
}

}  // namespace
}  // namespace qx
