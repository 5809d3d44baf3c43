// setup.exe against machines and packages that it must refuse or adapt to:
// requirements, upgrade detection, a web variable served by this test, a
// page-entry program, and a language picked from the system.
#include "tests/win/support/mc_http_server.h"

#include "support/layout_text.h"
#include "support/package_fixture.h"
#include "support/setup_run.h"
#include "support/wizard_driver.h"

#include "setup/controller/language_rules.h"
#include "setup/probes/os_version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <fstream>

namespace qx::e2e {
namespace {

using std::chrono::milliseconds;
constexpr milliseconds kStartTimeout{30000};

constexpr const char* kAppendFlag = "--qx-append=";

// Started as a page-entry program, this test program appends one line to the
// file it is given and ends.
// Copied in as the maintenance program, it records the command line that the
// previous-version removal gives it.
constexpr const char* kRemovalMarker = "\"/S\" {QX-MC-";

std::string RemovalRecord() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "qxmc_removal.txt";
}

const bool kActedAsChild = [] {
    std::string line = GetCommandLineA();
    if (line.find(kRemovalMarker) != std::string::npos) {
        std::ofstream(RemovalRecord(), std::ios::app | std::ios::binary) << line << "\n";
        ExitProcess(0);
    }
    const std::size_t at = line.find(kAppendFlag);
    if (at == std::string::npos) return false;
    std::ofstream(line.substr(at + std::strlen(kAppendFlag)), std::ios::app | std::ios::binary) << "ran\n";
    ExitProcess(0);
}();

// A product code of its own per test, so registry entries never leak between runs.
std::string FreshProductCode(const char* tag) {
    return std::string("{QX-MC-") + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "}";
}

std::string SetupInf(const std::string& appinfoExtra, const std::string& sections, const std::string& code) {
    return "[APPINFO]\r\na1=Trombela\r\na2=2.0\r\na3=" + code +
           "\r\na4=<ProgramFilesFolder>\\Morvaine\\Trombela\r\na19=Morvaine Software\r\nLanguage=English\r\n" +
           appinfoExtra + "[DIALOGLIST]\r\nTOTAL1=0\r\n[BUILDING]\r\nCURRENTBUILD=Disk Image\r\n" + sections;
}

std::vector<std::string> Texts(SetupRun& run) { return run.Monitor().Texts(); }
std::string Joined(SetupRun& run) {
    std::string all;
    for (const auto& t : Texts(run)) all += "[" + t + "]";
    return all;
}
bool Saw(SetupRun& run, const std::string& text) {
    auto t = Texts(run);
    return std::find(t.begin(), t.end(), text) != t.end();
}

// A refusal: exactly one box with the text, no page, and the end after it.
void ExpectRefusal(SetupRun& run, const std::string& text, const std::string& lastStep, const std::string& notReached) {
    auto box = ui::WaitForMessageBox(run.Process().Id(), kStartTimeout);
    ASSERT_TRUE(box) << "no refusal box; trace: " << Joined(run);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->caption, "Morvaine Quendrix");
    std::vector<ui::WindowInfo> visibleButtons;
    for (const auto& b : box->buttons)
        if (b.visible) visibleButtons.push_back(b);
    EXPECT_EQ(visibleButtons.size(), 1u) << "an error report has one button";
    EXPECT_EQ(ui::TopLevelWindows(run.Process().Id()).size(), 1u) << "no page besides the box";
    EXPECT_TRUE(Saw(run, lastStep));
    EXPECT_FALSE(Saw(run, notReached));
    ASSERT_FALSE(visibleButtons.empty());
    ui::ClickButton(visibleButtons[0].hwnd);
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code) << "the program ends after a refusal";
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(Saw(run, notReached));
}

TEST(MachineChecks, RefusesAMachineWithTooLittleMemory) {
    const std::string system =
        "[SYSTEM]\r\nos0=Yes\r\nos1=Yes\r\nos2=Yes\r\nos3=Yes\r\nos4=Yes\r\nos5=Yes\r\nos6=Yes\r\nos7=Yes\r\n"
        "1=All Processors\r\n2=999999 MB\r\n3=checkSCREEN\r\n4=Any colors\r\n";
    std::string package =
        BuildTestPackage("memory", PlainPackage{SetupInf("", system, FreshProductCode("mem")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ExpectRefusal(run, "The amount of RAM is not adequate for running Trombela.", "2", "3");
}

TEST(MachineChecks, RefusesASystemTheScriptDoesNotList) {
    const std::string name = ShortSystemName(RunningOsVersion());
    if (name.empty()) GTEST_SKIP() << "this system is none of the named ones, so no mask can refuse it";
    const std::string system = "[SYSTEM]\r\nos0=No\r\nos1=No\r\nos2=No\r\nos3=No\r\nos4=No\r\nos5=No\r\nos6=No\r\n"
                               "os7=No\r\n1=All Processors\r\n2=Any\r\n3=checkSCREEN\r\n4=Any colors\r\n";
    std::string package =
        BuildTestPackage("nosystem", PlainPackage{SetupInf("", system, FreshProductCode("os")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ExpectRefusal(run, "The operating system is not adequate for running Trombela.", "256 0", "3");
}

TEST(MachineChecks, TakesRefusalTextsFromTheLanguageFile) {
    const std::string system = "[SYSTEM]\r\n1=All Processors\r\n2=Any\r\n3=99999x99999\r\n4=Any colors\r\n"
                               "os0=Yes\r\nos1=Yes\r\nos2=Yes\r\nos3=Yes\r\nos4=Yes\r\nos5=Yes\r\nos6=Yes\r\nos7=Yes\r\n";
    std::string package = BuildTestPackage(
        "screen", PlainPackage{SetupInf("", system, FreshProductCode("scr")), MinimalDataInf(),
                               {{"language.lan", "[REQ]\r\n2=Screen too small for <ProductName> <ProductVersion>\r\n"}}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ExpectRefusal(run, "Screen too small for Trombela 2.0", "2", "3");
}

TEST(MachineChecks, UpgradeWithoutAPreviousVersionRefuses) {
    std::string package = BuildTestPackage(
        "noprevious", PlainPackage{SetupInf("a26=Upgrade\r\na27=Auto-Detect\r\n", "", FreshProductCode("none")),
                                   MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ExpectRefusal(run, "Sorry, previous version not found. Installation aborted.", "5", "6");
}

class UninstallEntry {
public:
    UninstallEntry(const std::string& code, const std::string& value, const char* name = "LastInstallationPath") {
        key_ = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + code;
        HKEY h = nullptr;
        ok_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) ==
              ERROR_SUCCESS;
        if (!ok_) return;
        ok_ = RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(h);
    }
    ~UninstallEntry() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_.c_str()); }
    bool Ok() const { return ok_; }

private:
    std::string key_;
    bool ok_ = false;
};

TEST(MachineChecks, UpgradeTakesTheFolderOfThePreviousVersion) {
    const std::string code = FreshProductCode("prev");
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string previous = std::string(temp) + "qxmc old " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(previous.c_str(), nullptr);
    UninstallEntry entry(code, previous);
    ASSERT_TRUE(entry.Ok());
    // The found folder is read by a later variable through <InstallDir>.
    const std::string variables =
        "[VARIABLES]\r\nTOTAL=1\r\nA0=<Where>\r\nD0=Find File/Folder\r\nL0=<InstallDir>\r\n";
    std::string package = BuildTestPackage(
        "previous", PlainPackage{SetupInf("a26=Upgrade\r\na27=Auto-Detect\r\n", variables, code), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout)) << "an upgrade that finds its folder goes on; trace: " << Joined(run);
    EXPECT_TRUE(Saw(run, "InstallDir " + previous + "\\"));
    EXPECT_TRUE(Saw(run, "VAR <Where>=TRUE")) << "expansions use the found folder";
    RemoveDirectoryA(previous.c_str());
}

TEST(MachineChecks, UpgradeFromARegistryValueKeepsTheDefaultWhenNothingIsThere) {
    const std::string code = FreshProductCode("reg");
    std::string package = BuildTestPackage(
        "registry", PlainPackage{SetupInf("a26=Upgrade\r\na27=Registry\r\na28=HKEY_CURRENT_USER\\Software\\QxNone\\" +
                                              code + "\\Folder\r\n", "", code),
                                 MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    for (const auto& t : Texts(run)) EXPECT_NE(t.rfind("InstallDir ", 0), 0u) << t;
}

TEST(MachineChecks, FetchesAWebVariableWhileTheWaitWindowShows) {
    std::atomic<bool> waitWindowSeen{false};
    std::atomic<DWORD> setupId{0};
    testing_http::LocalHttpServer server;
    ASSERT_TRUE(server.Start([&](const std::string&) {
        // Answer only once the wait window is up, to see it while the fetch waits.
        waitWindowSeen = ui::WaitUntil(
            [&] {
                for (const auto& w : ui::TopLevelWindows(setupId.load()))
                    if (ui::FindChildByText(w.hwnd, "Please Wait, Retrieving System Information...")) return true;
                return false;
            },
            milliseconds(8000));
        return testing_http::Response("3.1.4 and trailing text", 5);
    }));
    const std::string variables =
        "[VARIABLES]\r\nTOTAL=3\r\n"
        "A0=<Latest>\r\nB0=none\r\nD0=Retrive from Web\r\nO0=http://127.0.0.1/trombela/latest.txt\r\n"
        "A1=<Offline>\r\nB1=offline\r\nD1=Retrive from Web\r\nO1=http://127.0.0.2/nothing.txt\r\n"
        "A2=<Both>\r\nB2=<Latest>/<Offline>\r\nD2=Nowhere\r\n";
    std::string package =
        BuildTestPackage("web", PlainPackage{SetupInf("", variables, FreshProductCode("web")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    setupId = run.Process().Id();
    ASSERT_TRUE(run.Monitor().WaitForText("15", milliseconds(60000)));
    EXPECT_TRUE(Saw(run, "VAR <Latest>=3.1.4"));
    EXPECT_TRUE(Saw(run, "VAR <Offline>=offline")) << "an unreachable server gives the default";
    EXPECT_TRUE(Saw(run, "VAR <Both>=<Latest>/<Offline>")) << "defaults are taken as written";
    EXPECT_TRUE(waitWindowSeen.load());
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "GET /trombela/latest.txt HTTP/1.1");
    // The wait window is closed once the variables are read.
    EXPECT_TRUE(ui::WaitUntil(
        [&] {
            for (const auto& w : ui::TopLevelWindows(run.Process().Id()))
                if (ui::FindChildByText(w.hwnd, "Please Wait, Retrieving System Information...")) return false;
            return true;
        },
        milliseconds(5000)));
}

std::string SelfPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(MachineChecks, RunsAPageEntryProgramAndWaitsForIt) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string once = std::string(temp) + "qxmc_once_" + std::to_string(GetCurrentProcessId()) + ".txt";
    const std::string blocked = std::string(temp) + "qxmc_blocked_" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(once.c_str());
    DeleteFileA(blocked.c_str());
    const std::string actions = "[FILEACTION]\r\nTOTAL=3\r\n"
                                "B0=" + SelfPath() + "\r\nC0=" + kAppendFlag + once +
                                "\r\nE0=Installation Start\r\nG0=Yes\r\nH0=Yes\r\nL0=255\r\nM0=No Condition\r\n"
                                // The same program under a condition that does not hold.
                                "B1=" + SelfPath() + "\r\nC1=" + kAppendFlag + blocked +
                                "\r\nE1=Installation Start\r\nG1=Yes\r\nH1=Yes\r\nL1=255\r\nM1=Never\r\n"
                                // Another page: not entered at start.
                                "B2=" + SelfPath() + "\r\nC2=" + kAppendFlag + blocked +
                                "\r\nE2=Setup Complete\r\nH2=Yes\r\nL2=255\r\n"
                                "[CONDITIONS]\r\nTOTAL=1\r\nA0=Never\r\nB0=1\r\nC0===\r\nD0=2\r\nE0=\r\nF0=0\r\n";
    std::string package =
        BuildTestPackage("fileaction", PlainPackage{SetupInf("", actions, FreshProductCode("fa")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("a10", kStartTimeout));
    // Waited for: the line is there by the time the next step is announced.
    EXPECT_EQ(ReadAll(once), "ran\n");
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    EXPECT_EQ(ReadAll(once), "ran\n");
    EXPECT_EQ(ReadAll(blocked), "");
    DeleteFileA(once.c_str());
}

// Layout with the welcome page's buttons and title.
std::string WelcomeLayout() {
    const char* ids[] = {"IDC_BACK", "IDC_NEXT", "IDCANCEL", "IDC_STATIC1"};
    std::string text = "[INFO]\r\nTOTAL=4\r\n[DADOS]\r\n";
    for (int i = 0; i < 4; ++i) {
        text += LayoutPropertyKey(i, 0) + "=Name|" + ids[i] + "|0\r\n";
        text += LayoutPropertyKey(i, 1) + "=Caption|shipped " + std::to_string(i) + "|0\r\n";
    }
    return text;
}

std::string ProfileValue(const std::string& path, const char* section, const char* key) {
    char buf[512] = "";
    GetPrivateProfileStringA(section, key, "", buf, sizeof buf, path.c_str());
    return buf;
}

TEST(MachineChecks, AutoDetectRewritesTheLayoutsFromTheSystemLanguage) {
    const std::string name = LanguageNameForId(GetSystemDefaultUILanguage());
    if (name.empty()) GTEST_SKIP() << "the system's language has no file name";
    const std::string polish = ReadFileBytes(WinePath(QX_SOURCE_DIR) + "\\demo\\package\\languages\\Polish.lan");
    ASSERT_FALSE(polish.empty());
    // The Polish texts under the system language's name show which file was used.
    std::string package = BuildTestPackage(
        "autodetect", PlainPackage{SetupInf("METHOD=Auto-Detect\r\n", "", FreshProductCode("lang")), MinimalDataInf(),
                                   {{"theme\\welcome.lcd", WelcomeLayout()}, {"languages\\" + name + ".lan", polish}}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    const std::string layout = package + "theme\\welcome.lcd";
    EXPECT_EQ(ProfileValue(layout, "DADOS", "3000,1"), "Caption|< Wstecz|0");
    EXPECT_EQ(ProfileValue(layout, "DADOS", "3001,1"), "Caption|Dalej >|0");
    EXPECT_EQ(ProfileValue(layout, "DADOS", "3002,1"), "Caption|Anuluj|0");
    EXPECT_EQ(ProfileValue(layout, "DADOS", "3003,1"), "Caption|Witamy w instalatorze programu <ProductName>|0");
}

TEST(MachineChecks, AutoDetectWithoutItsLanguageFileKeepsTheShippedCaptions) {
    std::string package = BuildTestPackage(
        "nolanguage", PlainPackage{SetupInf("METHOD=Auto-Detect\r\n", "", FreshProductCode("nolang")),
                                   MinimalDataInf(), {{"theme\\welcome.lcd", WelcomeLayout()}}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout)) << "the wizard still starts";
    EXPECT_EQ(ReadFileBytes(package + "theme\\welcome.lcd"), WelcomeLayout());
}


// A package with these wizard pages (test layouts) and extra files.
PlainPackage PagesPackage(const std::string& appinfoExtra, const std::vector<std::string>& pages,
                          const std::string& sections, const std::string& code) {
    std::string list = "[DIALOGLIST]\r\nTOTAL1=" + std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) list += "\r\nW" + std::to_string(i) + "=" + pages[i];
    std::string inf = SetupInf(appinfoExtra, sections, code);
    inf.replace(inf.find("[DIALOGLIST]\r\nTOTAL1=0"), std::string("[DIALOGLIST]\r\nTOTAL1=0").size(), list);
    PlainPackage plain{inf, MinimalDataInf(), {}};
    for (const auto& page : pages)
        plain.files["theme\\" + page] = LayoutText(page.substr(0, page.size() - 4), WizardButtons());
    return plain;
}

TEST(MachineChecks, RunOnceActionsRunOnTheFirstEntryOnly) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string pid = std::to_string(GetCurrentProcessId());
    const std::string once = std::string(temp) + "qxmc_ready_once_" + pid + ".txt";
    const std::string every = std::string(temp) + "qxmc_ready_every_" + pid + ".txt";
    DeleteFileA(once.c_str());
    DeleteFileA(every.c_str());
    const std::string actions = "[FILEACTION]\r\nTOTAL=2\r\n"
                                "B0=" + SelfPath() + "\r\nC0=" + kAppendFlag + once +
                                "\r\nE0=Ready to Install\r\nG0=Yes\r\nH0=Yes\r\nL0=255\r\n"
                                "B1=" + SelfPath() + "\r\nC1=" + kAppendFlag + every +
                                "\r\nE1=ready.lcd\r\nG1=No\r\nH1=Yes\r\nL1=255\r\n";
    std::string package = BuildTestPackage(
        "runonce", PagesPackage("", {"welcome.lcd", "ready.lcd"}, actions, FreshProductCode("once")));
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    const DWORD id = run.Process().Id();
    auto welcome = WaitForPage(id, "welcome");
    ASSERT_TRUE(welcome);
    EXPECT_EQ(ReadAll(every), "") << "not entered yet";
    ASSERT_TRUE(Press(*welcome, "Next >"));
    auto ready = WaitForPage(id, "ready", welcome->hwnd);
    ASSERT_TRUE(ready);
    EXPECT_EQ(ReadAll(once), "ran\n");
    EXPECT_EQ(ReadAll(every), "ran\n");
    ASSERT_TRUE(Press(*ready, "< Back"));
    auto again = WaitForPage(id, "welcome", ready->hwnd);
    ASSERT_TRUE(again);
    ASSERT_TRUE(Press(*again, "Next >"));
    ASSERT_TRUE(WaitForPage(id, "ready", again->hwnd));
    EXPECT_EQ(ReadAll(once), "ran\n") << "run once: not on the second entry";
    EXPECT_EQ(ReadAll(every), "ran\nran\n") << "every entry of the page";
    DeleteFileA(once.c_str());
    DeleteFileA(every.c_str());
}

// The demo theme's language page, whose combo box reads the language list.
std::string AskUserLayout() {
    std::string layout = ReadFileBytes(WinePath(QX_SOURCE_DIR) + "\\demo\\package\\theme\\askuser.lcd");
    if (layout.find(std::string("|") + kLanguageListFile + "|") == std::string::npos) return std::string();
    return layout;
}

TEST(MachineChecks, AskUserOffersTheLanguagesAndTheChoiceRewritesThePages) {
    const std::string layout = AskUserLayout();
    ASSERT_FALSE(layout.empty());
    const std::string demo = WinePath(QX_SOURCE_DIR) + "\\demo\\package\\";
    PlainPackage plain = PagesPackage("METHOD=Ask User\r\n", {"welcome.lcd", "ready.lcd"}, "", FreshProductCode("ask"));
    plain.files["theme\\askuser.lcd"] = layout;
    plain.files["languages\\English.lan"] = ReadFileBytes(demo + "languages\\English.lan");
    plain.files["languages\\Polish.lan"] = ReadFileBytes(demo + "languages\\Polish.lan");
    std::string package = BuildTestPackage("askuser", plain);
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    const DWORD id = run.Process().Id();

    std::optional<ui::WindowInfo> combo;
    auto page = ui::WaitForWindow(
        id,
        [&](const ui::WindowInfo& w) {
            combo = ui::FindChild(w.hwnd, [](const ui::WindowInfo& c) { return c.className == "ComboBox"; });
            return combo.has_value();
        },
        kStartTimeout);
    ASSERT_TRUE(page) << "the language page";
    EXPECT_FALSE(Saw(run, "1")) << "the wizard waits for the choice";
    ASSERT_EQ(SendMessageA(combo->hwnd, CB_GETCOUNT, 0, 0), 2);
    // The list is sorted: English, Polish; the package language is chosen at first.
    EXPECT_EQ(SendMessageA(combo->hwnd, CB_GETCURSEL, 0, 0), 0);
    ui::SaveWindowImage(page->hwnd, ArtifactFolder("e2e") + "language_page.bmp");
    SendMessageA(combo->hwnd, CB_SETCURSEL, 1, 0);
    auto ok = ui::FindChildByText(page->hwnd, "OK");
    ASSERT_TRUE(ok);
    ui::ClickButton(ok->hwnd);

    auto welcome = WaitForPage(id, "welcome");
    ASSERT_TRUE(welcome) << "the wizard starts after the choice";
    EXPECT_TRUE(ui::FindChildByText(welcome->hwnd, "Dalej >"));
    EXPECT_TRUE(ui::FindChildByText(welcome->hwnd, "< Wstecz"));
    EXPECT_TRUE(ui::FindChildByText(welcome->hwnd, "Anuluj"));
    EXPECT_FALSE(ui::FindChildByText(welcome->hwnd, "Next >"));
    Sleep(300);
    ui::SaveWindowImage(welcome->hwnd, ArtifactFolder("e2e") + "language_welcome_polish.bmp");
    EXPECT_EQ(ProfileValue(package + "theme\\ready.lcd", "DADOS", LayoutPropertyKey(1, 1).c_str()),
              "Caption|< Wstecz|0") << "every standard layout is rewritten";
}

TEST(MachineChecks, WorksOutEverySourceOfVariablesInTableOrder) {
    char tempBuf[MAX_PATH];
    GetTempPathA(MAX_PATH, tempBuf);
    const std::string temp = tempBuf, pid = std::to_string(GetCurrentProcessId());
    // Registry, INI file, files and a window that the variables look for.
    const std::string key = "Software\\QxMachineChecks\\" + pid;
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    const char value[] = "from the registry";
    RegSetValueExA(h, "Edition", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(h);
    const std::string ini = temp + "qxmc_vars_" + pid + ".ini";
    WriteFileBytes(ini, "[Product]\r\nChannel=beta\r\nEmpty=\r\n");
    const std::string folder = temp + "qxmc_find_" + pid;
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFileBytes(folder + "\\data.bin", "x");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QxMachineChecksWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "Trombela 1.0", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    std::string v = "[VARIABLES]\r\nTOTAL=60\r\n";
    auto add = [&](int k, const std::string& keys) {
        std::string text = keys;
        std::string n = std::to_string(k), out;
        // Each "X=" of the list becomes "X<k>=".
        for (std::size_t i = 0; i < text.size(); ++i) {
            out += text[i];
            if (i + 1 < text.size() && text[i + 1] == '=' && (i == 0 || text[i - 1] == '\n')) out += n;
        }
        v += out;
    };
    add(0, "A=<Edition>\r\nB=none\r\nD=Registry\r\nE=HKEY_CURRENT_USER\r\nF=" + key + "\r\nG=Edition\r\n");
    add(1, "A=<NoValue>\r\nB=fallback\r\nD=Registry\r\nE=HKEY_CURRENT_USER\r\nF=" + key + "\r\nG=Missing\r\n");
    add(2, "A=<BadRoot>\r\nB=fallback\r\nD=Registry\r\nE=HKCU\r\nF=" + key + "\r\nG=Edition\r\n");
    add(3, "A=<Channel>\r\nB=stable\r\nD=INI Files\r\nH=" + ini + "\r\nI=Product\r\nJ=Channel\r\n");
    add(4, "A=<EmptyIni>\r\nB=stable\r\nD=INI Files\r\nH=" + ini + "\r\nI=Product\r\nJ=Empty\r\n");
    add(5, "A=<NoIni>\r\nB=stable\r\nD=INI Files\r\nH=" + temp + "qxmc_none.ini\r\nI=Product\r\nJ=Channel\r\n");
    add(6, "A=<HasFolder>\r\nD=Find File/Folder\r\nL=" + folder + "\\\r\n");
    add(7, "A=<HasPattern>\r\nD=Find File/Folder\r\nL=" + folder + "\\*.bin\r\n");
    add(8, "A=<NoPattern>\r\nB=TRUE\r\nD=Find File/Folder\r\nL=" + folder + "\\*.txt\r\n");
    add(9, "A=<Window>\r\nD=Find Window\r\nP=QxMachineChecksWindow\r\nQ=Trombela 1.0\r\n");
    add(10, "A=<OtherTitle>\r\nD=Find Window\r\nP=QxMachineChecksWindow\r\nQ=Trombela 2.0\r\n");
    add(11, "A=<Typo>\r\nB=default\r\nD=Retrieve from Web\r\nO=http://127.0.0.1/x\r\n");
    // A later entry's texts see the earlier values.
    add(12, "A=<IniDir>\r\nB=" + temp + "\r\nD=Nowhere\r\n");
    add(13, "A=<Uses>\r\nB=missed\r\nD=INI Files\r\nH=<IniDir>qxmc_vars_" + pid + ".ini\r\nI=Product\r\nJ=Channel\r\n");
    for (int k = 14; k < 60; ++k) add(k, "A=<V" + std::to_string(k) + ">\r\nB=" + std::to_string(k) + "\r\nD=Nowhere\r\n");
    std::string package =
        BuildTestPackage("sources", PlainPackage{SetupInf("", v, FreshProductCode("src")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    const std::vector<std::string> expected = {
        "VAR <Edition>=from the registry", "VAR <NoValue>=fallback",  "VAR <BadRoot>=fallback",
        "VAR <Channel>=beta",              "VAR <EmptyIni>=stable",   "VAR <NoIni>=stable",
        "VAR <HasFolder>=TRUE",            "VAR <HasPattern>=TRUE",   "VAR <NoPattern>=FALSE",
        "VAR <Window>=TRUE",               "VAR <OtherTitle>=FALSE",  "VAR <Typo>=",
        "VAR <IniDir>=" + temp,            "VAR <Uses>=beta",
    };
    std::vector<std::string> vars;
    for (const auto& t : Texts(run))
        if (t.rfind("VAR ", 0) == 0) vars.push_back(t);
    ASSERT_EQ(vars.size(), 50u) << "the table holds 50 variables; the rest are ignored";
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(vars[i], expected[i]);
    EXPECT_EQ(vars.back(), "VAR <V49>=49");

    DestroyWindow(window);
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    DeleteFileA(ini.c_str());
    DeleteFileA((folder + "\\data.bin").c_str());
    RemoveDirectoryA(folder.c_str());
}

std::string WindowsFolder() {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

TEST(MachineChecks, NewInstallationRemovesARegisteredPreviousVersionFirst) {
    const std::string qxexec = WindowsFolder() + "\\qxexec.exe";
    ASSERT_TRUE(CopyFileA(SelfPath().c_str(), qxexec.c_str(), FALSE));
    DeleteFileA(RemovalRecord().c_str());
    const std::string code = FreshProductCode("new");
    UninstallEntry entry(code, "Trombela 1.0", "DisplayName");
    ASSERT_TRUE(entry.Ok());
    std::string package = BuildTestPackage(
        "removal", PlainPackage{SetupInf("a26=New Installation\r\na29=Yes\r\n", "", code), MinimalDataInf(), {}});
    {
        SetupRun run(package);
        ASSERT_TRUE(run.Started());
        ASSERT_TRUE(run.Monitor().WaitForText("6", kStartTimeout));
        // Waited for: the maintenance program has finished before the page list is read.
        const std::string record = ReadAll(RemovalRecord());
        EXPECT_EQ(record, " \"/S\" " + code + "\n");
        ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    }
    // Without a registered previous version nothing is started.
    DeleteFileA(RemovalRecord().c_str());
    std::string fresh = BuildTestPackage(
        "noremoval", PlainPackage{SetupInf("a26=New Installation\r\na29=Yes\r\n", "", FreshProductCode("fresh")),
                                  MinimalDataInf(), {}});
    {
        SetupRun run(fresh);
        ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
        EXPECT_EQ(ReadAll(RemovalRecord()), "");
    }
    DeleteFileA(qxexec.c_str());
}

TEST(MachineChecks, StartPageConditionShowsItsMessageWhenItHolds) {
    const std::string conditions =
        "[CONDITIONS]\r\nTOTAL=2\r\n"
        "A0=Holds\r\nB0=<ProductVersion>\r\nC0=>=\r\nD0=2\r\nE0=start.lcd\r\nF0=1\r\n00=ShowMessage(Welcome back);\r\n"
        "A1=Fails\r\nB1=<ProductVersion>\r\nC1=<\r\nD1=2\r\nE1=start.lcd\r\nF1=1\r\n10=ShowMessage(Never shown);\r\n";
    std::string package =
        BuildTestPackage("condition", PlainPackage{SetupInf("", conditions, FreshProductCode("cond")), MinimalDataInf(), {}});
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    auto box = ui::WaitForMessageBox(run.Process().Id(), kStartTimeout);
    ASSERT_TRUE(box) << Joined(run);
    EXPECT_EQ(box->text, "Welcome back");
    EXPECT_TRUE(Saw(run, "a9"));
    EXPECT_FALSE(Saw(run, "a10")) << "the message is modal";
    ASSERT_TRUE(ui::AnswerMessageBox(*box, "OK"));
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(box->hwnd); }, milliseconds(5000)));
    // Pages are dialogs too, so look for the text itself.
    EXPECT_FALSE(ui::WaitUntil(
        [&] {
            for (const auto& w : ui::TopLevelWindows(run.Process().Id()))
                if (ui::FindChildByText(w.hwnd, "Never shown")) return true;
            return false;
        },
        milliseconds(1500)))
        << "the failing condition shows nothing";
}

}  // namespace
}  // namespace qx::e2e
