#include "setup/base/ini_text.h"
#include "setup/base/table_limits.h"
#include "setup/controller/token_expansion.h"
#include "setup/controller/variable_rules.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(VariableSources, AreComparedExactly) {
    const std::pair<const char*, VariableSource> cases[] = {
        {"Nowhere", VariableSource::Nowhere},          {"Registry", VariableSource::Registry},
        {"INI Files", VariableSource::IniFiles},       {"Find File/Folder", VariableSource::FindFile},
        {"Retrive from Web", VariableSource::Web},     {"Find Window", VariableSource::FindWindow},
        {"Retrieve from Web", VariableSource::Unknown}, {"registry", VariableSource::Unknown},
        {"", VariableSource::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(VariableSourceFromText(c.first), c.second) << c.first;
}

TEST(VariableKeys, ReadEveryLetterOfOneVariableInto100Characters) {
    const std::string longText(150, 'x');
    IniText script("[VARIABLES]\nTOTAL=2\nA1=<V>\nB1=def\nC1=engine\nD1=Registry\nE1=HKEY_CURRENT_USER\n"
                   "F1=Software\\M\nG1=Folder\nH1=<InstallDir>a.ini\nI1=S\nJ1=K\nK1=never\nL1=*.txt\nM1=m\nN1=n\n"
                   "O1=http://h/p\nP1=Cls\nQ1=" + longText + "\n");
    EXPECT_EQ(VariableTotal(script), 2);
    VariableKeys v = ReadVariableKeys(script, 1);
    EXPECT_EQ(v.name, "<V>");
    EXPECT_EQ(v.defaultValue, "def");
    EXPECT_EQ(v.engineText, "engine");
    EXPECT_EQ(v.source, "Registry");
    EXPECT_EQ(v.root, "HKEY_CURRENT_USER");
    EXPECT_EQ(v.keyPath, "Software\\M");
    EXPECT_EQ(v.valueName, "Folder");
    EXPECT_EQ(v.iniPath, "<InstallDir>a.ini");
    EXPECT_EQ(v.iniSection, "S");
    EXPECT_EQ(v.iniKey, "K");
    EXPECT_EQ(v.findPath, "*.txt");
    EXPECT_EQ(v.url, "http://h/p");
    EXPECT_EQ(v.windowClass, "Cls");
    EXPECT_EQ(v.windowTitle, longText.substr(0, 99));
    EXPECT_EQ(ReadVariableKeys(script, 0).name, "");
}

TEST(VariableValues, FallBackToTheDefaultOnlyWhenEmpty) {
    EXPECT_EQ(ValueOrDefault("", "def"), "def");
    EXPECT_EQ(ValueOrDefault("0", "def"), "0");
    EXPECT_EQ(TrueFalse(true), "TRUE");
    EXPECT_EQ(TrueFalse(false), "FALSE");
}

TEST(VariableTable, RefusesEntriesBeyondItsSize) {
    VariableTable t;
    for (int i = 0; i < kMaxVariables + 7; ++i)
        t.Add("<V" + std::to_string(i) + ">", "c", std::to_string(i));
    ASSERT_EQ(t.Count(), kMaxVariables);
    ASSERT_EQ(t.engineTexts.size(), static_cast<std::size_t>(kMaxVariables));
    EXPECT_EQ(t.entries.back().first, "<V49>");
}

TEST(VariableReplacement, FollowsTableOrderSoALaterLongerNameIsNotFound) {
    TokenValues none;
    VariableTable t;
    t.Add("<Dir", "", "X");
    t.Add("<DirName>", "", "never");
    EXPECT_EQ(ExpandTokens("<DirName>", none, t.entries), "XName>");

    VariableTable longerFirst;
    longerFirst.Add("<DirName>", "", "full");
    longerFirst.Add("<Dir", "", "X");
    EXPECT_EQ(ExpandTokens("<DirName> <Dir>", none, longerFirst.entries), "full X>");
    // A value that contains a later name is replaced again by that later entry.
    VariableTable chained;
    chained.Add("<A>", "", "<B>");
    chained.Add("<B>", "", "b");
    EXPECT_EQ(ExpandTokens("<A>", none, chained.entries), "b");
    // Built-in tokens come first, so a variable cannot shadow them.
    TokenValues v;
    v.productName = "Trombela";
    VariableTable shadow;
    shadow.Add("<ProductName>", "", "other");
    EXPECT_EQ(ExpandTokens("<ProductName>", v, shadow.entries), "Trombela");
}

TEST(RegistryRoots, KnowTheFiveNames) {
    EXPECT_EQ(RegistryRootFromName("HKEY_CLASSES_ROOT"), RegistryRoot::ClassesRoot);
    EXPECT_EQ(RegistryRootFromName("HKEY_CURRENT_USER"), RegistryRoot::CurrentUser);
    EXPECT_EQ(RegistryRootFromName("HKEY_LOCAL_MACHINE"), RegistryRoot::LocalMachine);
    EXPECT_EQ(RegistryRootFromName("HKEY_USERS"), RegistryRoot::Users);
    EXPECT_EQ(RegistryRootFromName("HKEY_CURRENT_CONFIG"), RegistryRoot::CurrentConfig);
    EXPECT_EQ(RegistryRootFromName("HKLM"), RegistryRoot::None);
    EXPECT_EQ(RegistryRootFromName("hkey_current_user"), RegistryRoot::None);
}

TEST(WebAddresses, SplitIntoHostAndPath) {
    const struct {
        const char* address;
        const char* host;
        const char* path;
    } cases[] = {
        {"http://127.0.0.1/version.txt", "127.0.0.1", "/version.txt"},
        {"http://example.test/a/b?c=d", "example.test", "/a/b?c=d"},
        {"http://example.test", "example.test", "/"},
        {"example.test/x", "example.test", "/x"},
        {"", "", "/"},
    };
    for (const auto& c : cases) {
        WebAddress w = SplitWebAddress(c.address);
        EXPECT_EQ(w.host, c.host) << c.address;
        EXPECT_EQ(w.path, c.path) << c.address;
    }
}

TEST(WebBodies, AreCutToTheAnnouncedLength) {
    EXPECT_EQ(CutToContentLength("1.2.3 and more", 5), "1.2.3");
    EXPECT_EQ(CutToContentLength("short", 50), "short");
    EXPECT_EQ(CutToContentLength("no length", -1), "no length");
    EXPECT_EQ(CutToContentLength("zero", 0), "");
}

}  // namespace
}  // namespace qx
