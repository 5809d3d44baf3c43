// The behaviours of the well-known pages under Wine: real pages built from
// small layouts, driven by clicks, with the test host standing in for the
// controller.
#include "setup/pages/page_window.h"

#include "support/page_test_host.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <utility>
#include <vector>

namespace {

using qx::pages::CImageWindow;
using pagetest::PageTestHost;

struct Control {
    std::string idName, type;
};

// Writes a layout whose controls carry the given id names, one record per key.
std::string WriteLayout(const std::string& name, const std::vector<Control>& controls) {
    std::ostringstream info, data;
    info << "[MAINWINDOW]\ncaption=Behaviours\nwidth=400\nheight=300\n[INFO]\nTOTAL=" << controls.size() << "\n";
    data << "[DADOS]\n";
    for (std::size_t k = 0; k < controls.size(); ++k) {
        info << k << "=" << controls[k].idName << ",10," << 10 + 30 * k << ",200,24," << controls[k].type << ",,,"
             << 3000 + k << "\n";
        data << 3000 + k << ",t=1\n" << 3000 + k << ",0=Name|" << controls[k].idName << "|0\n";
    }
    std::string folder = pagetest::ScratchFolder("behaviour_layouts");
    pagetest::WriteTextFile(folder + name, info.str() + data.str());
    return folder;
}

std::unique_ptr<CImageWindow> Page(PageTestHost& host, const std::string& name, const std::vector<Control>& controls) {
    const std::string folder = WriteLayout(name, controls);
    auto page = CImageWindow::Create(host, nullptr, folder, name, 1, 5, SW_SHOWNOACTIVATE);
    if (page) pagetest::PumpMessages(50);
    return page;
}

HWND Find(CImageWindow& page, const std::string& idName) {
    return page.ControlHandle(page.FindControlByIdName(idName));
}

void Click(CImageWindow& page, const std::string& idName) {
    const int id = page.FindControlByIdName(idName);
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(page.ControlHandle(id)));
}

bool Checked(CImageWindow& page, const std::string& idName) {
    return SendMessageA(Find(page, idName), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Text(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A control's text as the layout alone gives it: the same controls on a page
// with no behaviour of its own.
std::string LaidOutText(PageTestHost& host, const std::vector<Control>& controls, const std::string& idName) {
    auto plain = Page(host, "plain.lcd", controls);
    return plain ? Text(Find(*plain, idName)) : "<no page>";
}

bool Visible(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

const std::vector<Control> kLicence = {{"IDC_LICENSE", "TEXTBOX"},
                                       {"IDC_ACCEPTLICENSE", "RADIO"},
                                       {"IDC_NOTACCEPTLICENSE", "RADIO"},
                                       {"IDC_NEXT", "BUTTON"}};

TEST(PageBehaviours, LicenceNextFollowsTheAcceptChoice) {
    PageTestHost host;
    host.script = qx::IniText("[DIALOGLIST]\nCT0=docs\\licence.txt\nCT1=IDC_LICENSE\n");
    pagetest::WriteTextFile(host.workFolder + "licence.txt", "Use it kindly.");
    auto page = Page(host, "license.lcd", kLicence);
    ASSERT_TRUE(page);
    HWND next = Find(*page, "IDC_NEXT");
    EXPECT_EQ(Text(Find(*page, "IDC_LICENSE")), "Use it kindly.");
    EXPECT_FALSE(IsWindowEnabled(next));
    EXPECT_TRUE(Checked(*page, "IDC_NOTACCEPTLICENSE"));

    Click(*page, "IDC_ACCEPTLICENSE");
    EXPECT_TRUE(IsWindowEnabled(next));
    EXPECT_TRUE(Checked(*page, "IDC_ACCEPTLICENSE"));
    EXPECT_FALSE(Checked(*page, "IDC_NOTACCEPTLICENSE"));

    Click(*page, "IDC_NOTACCEPTLICENSE");
    EXPECT_FALSE(IsWindowEnabled(next));
    EXPECT_FALSE(Checked(*page, "IDC_ACCEPTLICENSE"));
    // The choice stays on the page: nothing went to the controller.
    EXPECT_TRUE(host.commands.empty());
}

TEST(PageBehaviours, MissingLicenceFileLeavesTheBoxAsLaidOut) {
    PageTestHost host;
    host.script = qx::IniText("[DIALOGLIST]\nCT0=absent.txt\nCT1=IDC_LICENSE\n");
    pagetest::WriteTextFile(host.workFolder + "present.txt", "Not this one.");
    auto page = Page(host, "license.lcd", kLicence);
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(Find(*page, "IDC_LICENSE")), LaidOutText(host, kLicence, "IDC_LICENSE"));
    EXPECT_FALSE(IsWindowEnabled(Find(*page, "IDC_NEXT")));
}

TEST(PageBehaviours, UpperCaseRtfReadMeIsStreamedAsRichText) {
    PageTestHost host;
    host.script = qx::IniText("[DIALOGLIST]\nCT2=ReadMe.RTF\nCT3=IDC_README\n");
    pagetest::WriteTextFile(host.workFolder + "ReadMe.RTF", "{\\rtf1\\ansi {\\b Bold} words here.\\par}");
    auto page = Page(host, "readme.lcd", {{"IDC_README", "RICHTEXT"}});
    ASSERT_TRUE(page);
    HWND box = Find(*page, "IDC_README");
    ASSERT_TRUE(box);
    const std::string shown = Text(box);
    EXPECT_NE(shown.find("Bold words here."), std::string::npos) << shown;
    EXPECT_EQ(shown.find("\\rtf"), std::string::npos) << shown;
}

const std::vector<Control> kSetupType = {
    {"IDC_TYPICAL", "RADIO"}, {"IDC_MINIMAL", "RADIO"}, {"IDC_CUSTOM", "RADIO"}};

TEST(PageBehaviours, SetupTypePageShowsTheCurrentTypeAndSetsTheMinimalFlag) {
    struct Case {
        int stored, type, flag;
        const char* marked;
    };
    const Case cases[] = {{1, 1, 255, "IDC_MINIMAL"}, {2, 2, 0, "IDC_CUSTOM"}, {0, 0, 0, "IDC_TYPICAL"},
                          {-1, 0, 0, "IDC_TYPICAL"}, {9, 0, 0, "IDC_TYPICAL"}};
    for (const Case& c : cases) {
        PageTestHost host;
        host.setupType = c.stored;
        auto page = Page(host, "setuptype.lcd", kSetupType);
        ASSERT_TRUE(page);
        EXPECT_EQ(host.setupType, c.type) << c.stored;
        EXPECT_EQ(host.minimalFlag, c.flag) << c.stored;
        for (const Control& radio : kSetupType)
            EXPECT_EQ(Checked(*page, radio.idName), radio.idName == c.marked) << c.stored << " " << radio.idName;
    }
}

TEST(PageBehaviours, SetupTypeClicksMoveTheMarkAndTheFlag) {
    PageTestHost host;
    host.setupType = 0;
    auto page = Page(host, "setuptype.lcd", kSetupType);
    ASSERT_TRUE(page);
    Click(*page, "IDC_MINIMAL");
    EXPECT_EQ(host.setupType, 1);
    EXPECT_EQ(host.minimalFlag, 255);
    EXPECT_TRUE(Checked(*page, "IDC_MINIMAL"));
    EXPECT_FALSE(Checked(*page, "IDC_TYPICAL"));
    Click(*page, "IDC_CUSTOM");
    EXPECT_EQ(host.setupType, 2);
    EXPECT_EQ(host.minimalFlag, 0);
    EXPECT_FALSE(Checked(*page, "IDC_MINIMAL"));
}

TEST(PageBehaviours, ReadySummaryIsShownInTheSettingsBox) {
    PageTestHost host;
    host.setupType = 0;
    host.installDir = "D:\\Apps\\Trombela\\";
    host.userName = "Ann Smith";
    auto page = Page(host, "ready.lcd", {{"IDC_SETTINGS", "TEXTBOX"}});
    ASSERT_TRUE(page);
    HWND box = Find(*page, "IDC_SETTINGS");
    EXPECT_EQ(Text(box),
              "\r\nSetup Type:\r\n\r\nTypical\r\n\r\nDestination Folder:\r\n\r\nD:\\Apps\\Trombela\\\r\n\r\n"
              "User Information:\r\n\r\nName:Ann Smith\r\n\r\n");
    EXPECT_EQ(GetWindowLongPtrA(box, GWL_EXSTYLE) & 0x1004, 0x1004);
}

const std::vector<Control> kComplete = {{"IDC_LAUNCHFILE", "CHECKBOX"},
                                        {"IDC_LAUNCHREADME", "CHECKBOX"},
                                        {"IDC_INSTALLSTATUS", "TEXT"},
                                        {"IDC_FINISH", "BUTTON"}};

const char kLanguage[] =
    // Key 6 captions the read-me box and key 7 the program box, as the
    // language step rewrites this page.
    "[SetupCompleteSuccess]\n6=Show the read-me\n7=Launch Trombela\n"
    "[SetupCompleteError]\n3=Nothing was copied to [InstallDir].\n";

TEST(PageBehaviours, CompletePageOffersOnlyWhatThePackageOffers) {
    PageTestHost host;
    host.language = qx::IniText(kLanguage);
    host.launchOffered[1] = false;
    auto page = Page(host, "complete.lcd", kComplete);
    ASSERT_TRUE(page);
    HWND file = Find(*page, "IDC_LAUNCHFILE");
    HWND readme = Find(*page, "IDC_LAUNCHREADME");
    EXPECT_TRUE(Visible(file));
    EXPECT_TRUE(Checked(*page, "IDC_LAUNCHFILE"));
    EXPECT_EQ(Text(file), "Launch Trombela");
    EXPECT_EQ(host.launch[0], 255);
    EXPECT_FALSE(Visible(readme));
    EXPECT_EQ(Text(readme), "Show the read-me");
    EXPECT_EQ(host.launch[1], 0);
    EXPECT_EQ(Text(Find(*page, "IDC_INSTALLSTATUS")), LaidOutText(host, kComplete, "IDC_INSTALLSTATUS"));

    // The toggle flips the state the page set.
    Click(*page, "IDC_LAUNCHFILE");
    EXPECT_EQ(host.launch[0], 0);
    EXPECT_FALSE(Checked(*page, "IDC_LAUNCHFILE"));
}

TEST(PageBehaviours, CompletePageAfterACutShortRunShowsTheErrorAndNoLaunchBoxes) {
    PageTestHost host;
    host.language = qx::IniText(kLanguage);
    host.runFinished = true;
    auto page = Page(host, "complete.lcd", kComplete);
    ASSERT_TRUE(page);
    EXPECT_FALSE(Visible(Find(*page, "IDC_LAUNCHFILE")));
    EXPECT_FALSE(Visible(Find(*page, "IDC_LAUNCHREADME")));
    EXPECT_EQ(host.launch[0], 0);
    EXPECT_EQ(host.launch[1], 0);
    EXPECT_EQ(Text(Find(*page, "IDC_INSTALLSTATUS")), "Nothing was copied to C:\\Program Files\\Trombela\\.");
}

const std::vector<Control> kCustomer = {{"IDC_USERNAME", "TEXTBOX"},
                                        {"IDC_ORGANIZATION", "TEXTBOX"},
                                        {"IDC_ANYONE", "RADIO"},
                                        {"IDC_ONLYFORME", "RADIO"},
                                        {"IDC_NEXT", "BUTTON"}};

std::string ReadRegistryText(const char* keyPath, const char* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<missing>";
    char buffer[256] = "";
    DWORD size = sizeof buffer - 1, type = 0;
    const LONG got = RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return got == ERROR_SUCCESS && type == REG_SZ ? std::string(buffer) : "<missing>";
}

// The test keys have no sub-keys of their own, so leaf first, then the parent.
void DeleteTestKeys() {
    for (const char* leaf : {"Software\\QxPageBehaviourTest\\Trombela", "Software\\QxPageBehaviourTest\\Short",
                             "Software\\QxPageBehaviourTest"})
        RegDeleteKeyA(HKEY_CURRENT_USER, leaf);
}

TEST(PageBehaviours, CustomerPageShowsAndCommitsTheUserInformation) {
    const char* key = "Software\\QxPageBehaviourTest\\Trombela";
    DeleteTestKeys();
    PageTestHost host;
    host.windowsFolder = pagetest::ScratchFolder("behaviour_windows");
    host.tokens["<ProductName>"] = "Trombela";
    DeleteFileA((host.windowsFolder + "userinfo.ini").c_str());
    host.script = qx::IniText(
        "[DIALOGLIST]\nCT17=HKEY_CURRENT_USER\nCT18=Software\\QxPageBehaviourTest\\<ProductName>\nCT19=Yes\n");
    host.userName = "Ann";
    host.organisation = "Morvaine";
    host.installForAnyone = 0;
    auto page = Page(host, "customer.lcd", kCustomer);
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(Find(*page, "IDC_USERNAME")), "Ann");
    EXPECT_EQ(Text(Find(*page, "IDC_ORGANIZATION")), "Morvaine");
    EXPECT_TRUE(Checked(*page, "IDC_ONLYFORME"));
    EXPECT_FALSE(Checked(*page, "IDC_ANYONE"));
    Click(*page, "IDC_ANYONE");
    EXPECT_TRUE(Checked(*page, "IDC_ANYONE"));
    EXPECT_FALSE(Checked(*page, "IDC_ONLYFORME"));
    EXPECT_EQ(host.userInfoCommits, 0);

    SetWindowTextA(Find(*page, "IDC_USERNAME"), "Bea Jones");
    SetWindowTextA(Find(*page, "IDC_ORGANIZATION"), "Quendrix Ltd");
    Click(*page, "IDC_NEXT");
    EXPECT_EQ(host.userName, "Bea Jones");
    EXPECT_EQ(host.organisation, "Quendrix Ltd");
    const std::string ini = host.windowsFolder + "userinfo.ini";
    char value[128] = "";
    GetPrivateProfileStringA("USERINFO", "D1", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "Bea Jones");
    GetPrivateProfileStringA("USERINFO", "D2", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "Quendrix Ltd");
    EXPECT_EQ(ReadRegistryText(key, "<UserName>"), "Bea Jones");
    EXPECT_EQ(ReadRegistryText(key, "<CompanyName>"), "Quendrix Ltd");
    DeleteTestKeys();
}

TEST(PageBehaviours, UnknownRegistryRootWritesOnlyTheIniFile) {
    DeleteTestKeys();
    PageTestHost host;
    host.windowsFolder = pagetest::ScratchFolder("behaviour_windows_hkcu");
    host.script = qx::IniText("[DIALOGLIST]\nCT17=HKCU\nCT18=Software\\QxPageBehaviourTest\\Short\n");
    auto page = Page(host, "customer.lcd", kCustomer);
    ASSERT_TRUE(page);
    SetWindowTextA(Find(*page, "IDC_USERNAME"), "Cy");
    Click(*page, "IDC_NEXT");
    EXPECT_EQ(host.userName, "Cy");
    EXPECT_EQ(ReadRegistryText("Software\\QxPageBehaviourTest\\Short", "<UserName>"), "<missing>");
    char value[32] = "";
    GetPrivateProfileStringA("USERINFO", "D1", "", value, sizeof value,
                             (host.windowsFolder + "userinfo.ini").c_str());
    EXPECT_STREQ(value, "Cy");
}

TEST(PageBehaviours, CommitHappensOnlyOnTheCustomerPage) {
    PageTestHost host;
    host.windowsFolder = pagetest::ScratchFolder("behaviour_windows_other");
    auto page = Page(host, "destination.lcd", {{"IDC_USERNAME", "TEXTBOX"}, {"IDC_INSTALLDIR", "TEXT"},
                                              {"IDC_NEXT", "BUTTON"}});
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(Find(*page, "IDC_INSTALLDIR")), host.installDir);
    Click(*page, "IDC_NEXT");
    EXPECT_EQ(host.userInfoCommits, 0);
    EXPECT_EQ(GetFileAttributesA((host.windowsFolder + "userinfo.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(PageBehaviours, CustomSetupListsTheFeaturesInTheFirstLaidOutTree) {
    PageTestHost host;
    host.script = qx::IniText("[SETUPFEATURES]\nTOTAL=3\n0=Core\n1=Help\n2=Samples\n");
    auto page = Page(host, "customsetup.lcd",
                     {{"IDC_FEATURES", "TREEVIEW"}, {"IDC_OTHERTREE", "TREEVIEW"}, {"IDC_FEATUREINFO", "TEXT"},
                      {"IDC_INSTALLDIR", "TEXT"}});
    ASSERT_TRUE(page);
    EXPECT_EQ(Text(Find(*page, "IDC_FEATUREINFO")), "");
    EXPECT_EQ(Text(Find(*page, "IDC_INSTALLDIR")), host.installDir);
    HWND tree = Find(*page, "IDC_FEATURES");
    EXPECT_EQ(SendMessageA(Find(*page, "IDC_OTHERTREE"), TVM_GETCOUNT, 0, 0), 0);
    std::vector<std::string> names;
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
        char text[64] = "";
        TVITEMA tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        names.push_back(text);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Core", "Help", "Samples"}));
}

}  // namespace
