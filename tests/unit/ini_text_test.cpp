#include "setup/base/ini_text.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(IniText, ReadsLikeTheProfileApi) {
    IniText ini(
        "; comment\r\n[APPINFO]\r\na1 = Trombela \r\nA2=\"quoted\"\r\na1=second\r\n"
        "[Empty]\r\n[appinfo]\r\nlate=yes\r\nnoequals\r\n");
    EXPECT_EQ(ini.Read("APPINFO", "a1"), "Trombela");
    EXPECT_EQ(ini.Read("appinfo", "a2"), "quoted");
    EXPECT_EQ(ini.Read("APPINFO", "late"), "yes");
    EXPECT_EQ(ini.Read("APPINFO", "missing"), "");
    EXPECT_EQ(ini.Read("NOPE", "a1"), "");
    EXPECT_TRUE(ini.HasSection("Empty"));
    EXPECT_EQ(ini.Keys("APPINFO"), (std::vector<std::string>{"a1", "A2", "late"}));
}

TEST(IniText, CutsValuesToTheBuffer) {
    IniText ini("[S]\nk=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(ini.Read("S", "k").size(), 254u);
    EXPECT_EQ(ini.Read("S", "k", kShortValueBuffer).size(), 99u);
    EXPECT_EQ(ini.Read("S", "k", 1), "");
    EXPECT_EQ(ini.Read("S", "k", 0), "");
}

TEST(LeadingNumber, ReadsLeadingDigitsOnly) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"255 ", 255}, {"0255", 255}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"-3", -3},
                 {"99999999999999", 2147483647}, {" 7", 7}};
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace qx
