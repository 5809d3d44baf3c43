// setup.exe started in packages made by the builder: the start sequence as the
// trace monitor sees it, the decrypted scripts, the background, and the ways a
// broken package ends the run.
#include "support/package_fixture.h"
#include "support/setup_run.h"

#include "setup/controller/background_colors.h"
#include "setup/payload/rijndael_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <thread>

namespace qx::e2e {
namespace {

using std::chrono::milliseconds;
constexpr milliseconds kStartTimeout{30000};

const char* kMissingFilesText =
    "Sorry, Quendrix can't find data files.\r\nsetup.nsx and data.nsx\r\n"
    "These files must be in the same directory of setup.exe";

std::string ZeroFilled(const std::string& plain) {
    std::string out = plain;
    out.append((16 - plain.size() % 16) % 16, '\0');
    return out;
}

// Texts of the start sequence only; other lines may come between them.
std::vector<std::string> StartSequenceTexts(const std::vector<std::string>& texts) {
    static const std::set<std::string> steps = {"1", "2", "3", "4", "5", "6", "a7", "a8", "a9", "a10",
                                                "a11", "a12", "13", "14", "15", "16", "17"};
    std::vector<std::string> out;
    for (const auto& t : texts)
        if (steps.count(t)) out.push_back(t);
    return out;
}

TEST(Startup, SendsTheStartSequenceAndDecryptsBothScripts) {
    PlainPackage plain;
    // An odd length shows the zero fill that decryption leaves.
    plain.setupInf = MinimalSetupInf("[BACKGROUND]\r\n0=0\r\n; end\r\n");
    plain.dataInf = MinimalDataInf() + "C:\\Build\\Trombela\\help.txt\r\nDestination Computer\\<InstallDir>*0*0*0|Help\r\n";
    ASSERT_NE(plain.setupInf.size() % 16, 0u);
    std::string package = BuildTestPackage("sequence", plain);

    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));

    std::vector<std::string> expected = {"1", "2", "3", "4", "5", "6", "a7", "a8", "a9", "a10", "a11",
                                         "a12", "13", "14", "15"};
    auto texts = run.Monitor().Texts();
    EXPECT_EQ(StartSequenceTexts(texts), expected);
    // Without DiskImage1 the payload step runs: it announces itself between a9 and a10.
    auto at = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) - texts.begin(); };
    EXPECT_LT(at("a9"), at("START INSTALL NOW"));
    EXPECT_LT(at("START INSTALL NOW"), at("DESCOMPACTOU"));
    EXPECT_LT(at("DESCOMPACTOU"), at("TerminarJanela"));
    EXPECT_LT(at("TerminarJanela"), at("a10"));

    for (const auto& r : run.Monitor().Records()) {
        EXPECT_EQ(r.id, 0u);
        ASSERT_GE(r.line.size(), 14u);
        EXPECT_EQ(r.line[0], '(');
        EXPECT_EQ(r.line.substr(9, 3), ") -");
        EXPECT_EQ(r.line.back(), '*');
    }

    auto folders = run.NewWorkFolders();
    ASSERT_EQ(folders.size(), 1u);
    const std::string& work = folders[0];
    std::string name = work.substr(work.rfind('\\', work.size() - 2) + 1);
    name.pop_back();
    ASSERT_EQ(name.size(), 8u);
    EXPECT_EQ(name.substr(0, 2), "qx");
    EXPECT_EQ(ReadFileBytes(work + "setup.inf"), ZeroFilled(plain.setupInf));
    EXPECT_EQ(ReadFileBytes(work + "data.inf"), ZeroFilled(plain.dataInf));

    // With the background off the frame never shows.
    for (const auto& w : ui::TopLevelWindows(run.Process().Id())) EXPECT_NE(w.text, "Morvaine Quendrix");
    // An empty page list runs the finish actions at once; timer 4 then ends the program in order.
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    texts = run.Monitor().Texts();
    EXPECT_LT(at("14"), at("z1"));
    EXPECT_LT(at("z1"), at("z2"));
    EXPECT_LT(at("z2"), at("15"));
    std::vector<std::string> ending(texts.end() - std::min<std::size_t>(texts.size(), 2), texts.end());
    EXPECT_EQ(ending, (std::vector<std::string>{"timer 4", "SAI"}));
}

TEST(Startup, MovesThemeFilesShippedBesideSetup) {
    PlainPackage plain{MinimalSetupInf(), MinimalDataInf(), {{"^!logo.bmp", "BMfake"}, {"^!a^!b.gif", "GIF"}}};
    std::string package = BuildTestPackage("theme", plain);
    {
        SetupRun run(package);
        ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    }
    EXPECT_EQ(ReadFileBytes(package + "theme\\logo.bmp"), "BMfake");
    EXPECT_EQ(ReadFileBytes(package + "theme\\ab.gif"), "GIF");
    EXPECT_FALSE(FileExists(package + "^!logo.bmp"));
    // A second start finds them already moved and changes nothing.
    SetupRun again(package);
    ASSERT_TRUE(again.Monitor().WaitForText("15", kStartTimeout));
    EXPECT_EQ(ReadFileBytes(package + "theme\\logo.bmp"), "BMfake");
}

TEST(Startup, PaintsTheBackgroundMaximisedWithGradientAndTexts) {
    const std::string top = "Navy@0x00,0x00,0x80", bottom = "Teal@0x00,0x80,0x80";
    // One listed page keeps setup open; its layout is absent, so the page is empty.
    std::string inf = MinimalSetupInf("[BACKGROUND]\r\n0=1\r\n1=Trombela 2.0 Setup\r\n2=Morvaine Software\r\n3=" + top +
                                       "\r\n4=" + bottom + "\r\n5=C:\\Build\\missing.bmp\r\n");
    inf.replace(inf.find("TOTAL1=0"), 8, "TOTAL1=1\r\nW0=welcome.lcd");
    PlainPackage plain{inf, MinimalDataInf(), {}};
    std::string package = BuildTestPackage("background", plain);
    SetupRun run(package);
    ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
    auto frame = ui::WaitForWindow(run.Process().Id(), [](const ui::WindowInfo& w) { return w.text == "Morvaine Quendrix"; },
                                   milliseconds(10000));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(IsZoomed(frame->hwnd));
    EXPECT_EQ(GetMenu(frame->hwnd), nullptr);
    const Rgb t = ParseBackgroundColor(top), b = ParseBackgroundColor(bottom);
    // The desktop shows the frame once it has painted: wait for its first row.
    std::optional<ui::Capture> shot;
    ui::WaitUntil(
        [&] {
            shot = ui::CaptureClient(frame->hwnd);
            return shot && shot->At(5, 0) == RGB(t.r, t.g, t.b);
        },
        milliseconds(10000));
    ASSERT_TRUE(shot);
    ui::SaveWindowImage(frame->hwnd, ArtifactFolder("e2e") + "background.bmp");

    const int h = shot->height, w = shot->width;
    for (int y : {0, h / 3, h / 2, h - 1}) {
        Rgb expected = GradientRow(t, b, y, h);
        // A column left of both texts and of any page.
        EXPECT_EQ(shot->At(5, y), RGB(expected.r, expected.g, expected.b)) << "row " << y;
    }
    auto whiteIn = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = std::max(0, y0); y < std::min(h, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(w, x1); ++x)
                if (shot->At(x, y) == RGB(255, 255, 255)) ++n;
        return n;
    };
    EXPECT_GT(whiteIn(24, 14, 500, 60), 50) << "title text at (24, 14)";
    EXPECT_EQ(whiteIn(0, 0, 23, 13), 0);
    EXPECT_GT(whiteIn(w - 400, h - 80, w - 100, h - 50), 20) << "second text ends at (width - 100, bottom - 50)";
    EXPECT_EQ(whiteIn(w - 99, h - 49, w, h), 0);
}

// A solid 24-bit picture, as a package author's BMP file.
std::string SolidBitmap(int width, int height, COLORREF colour) {
    const int row = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + row * height;
    ih.biSize = sizeof ih;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    std::string line(row, '\0');
    for (int x = 0; x < width; ++x) {
        line[x * 3] = static_cast<char>(GetBValue(colour));
        line[x * 3 + 1] = static_cast<char>(GetGValue(colour));
        line[x * 3 + 2] = static_cast<char>(GetRValue(colour));
    }
    for (int y = 0; y < height; ++y) bytes += line;
    return bytes;
}

TEST(Startup, DrawsTheBackgroundPictureFromTheWorkFolder) {
    std::string inf = MinimalSetupInf("[BACKGROUND]\r\n0=1\r\n1=Title\r\n2=Footer\r\n3=Navy@0x00,0x00,0x80\r\n"
                                      "4=Navy@0x00,0x00,0x80\r\n5=C:\\Authoring\\Art\\backdrop.bmp\r\n");
    inf.replace(inf.find("TOTAL1=0"), 8, "TOTAL1=1\r\nW0=welcome.lcd");
    std::string package = BuildTestPackage("backdrop", PlainPackage{inf, MinimalDataInf(), {}});
    // The picture is looked for in the work folder, named after the start
    // time; the payload step would put it there. Every name of the next
    // seconds gets a copy, so whichever second setup starts in finds one.
    const COLORREF red = RGB(200, 30, 30);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::vector<std::string> prepared;
    SYSTEMTIME now;
    GetLocalTime(&now);
    for (int ahead = 0; ahead < 20; ++ahead) {
        int t = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + ahead) % 86400;
        char name[16];
        std::snprintf(name, sizeof name, "qx%02d%02d%02d", t / 3600, t / 60 % 60, t % 60);
        std::string folder = std::string(temp) + name;
        if (CreateDirectoryA(folder.c_str(), nullptr)) prepared.push_back(folder);
        WriteFileBytes(folder + "\\backdrop.bmp", SolidBitmap(40, 30, red));
    }
    {
        SetupRun run(package);
        ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
        auto frame = ui::WaitForWindow(run.Process().Id(),
                                       [](const ui::WindowInfo& w) { return w.text == "Morvaine Quendrix"; },
                                       milliseconds(10000));
        ASSERT_TRUE(frame);
        std::optional<ui::Capture> shot;
        // Drawn at (10, 10) in its own size over the gradient.
        EXPECT_TRUE(ui::WaitUntil(
            [&] {
                shot = ui::CaptureClient(frame->hwnd);
                return shot && shot->At(10, 10) == red && shot->At(49, 39) == red;
            },
            milliseconds(10000)));
        ASSERT_TRUE(shot);
        EXPECT_EQ(shot->At(9, 9), RGB(0, 0, 128));
        EXPECT_EQ(shot->At(50, 40), RGB(0, 0, 128));
    }
    for (const auto& folder : prepared) {
        DeleteFileA((folder + "\\backdrop.bmp").c_str());
        DeleteFileA((folder + "\\setup.inf").c_str());
        DeleteFileA((folder + "\\data.inf").c_str());
        RemoveDirectoryA(folder.c_str());
    }
}

struct MissingCase {
    const char* name;
    bool keepSetup, keepData;
};

class MissingScripts : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingScripts, ShowTheMessageAndEndWithoutAPage) {
    std::string package = BuildTestPackage(GetParam().name, PlainPackage{MinimalSetupInf(), MinimalDataInf(), {}});
    if (!GetParam().keepSetup) DeleteFileA((package + "setup.nsx").c_str());
    if (!GetParam().keepData) DeleteFileA((package + "data.nsx").c_str());
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    auto box = ui::WaitForMessageBox(run.Process().Id(), kStartTimeout);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, kMissingFilesText);
    ASSERT_EQ(box->buttons.size(), 1u);
    EXPECT_EQ(box->buttons[0].text, "OK");
    EXPECT_TRUE(run.Monitor().Texts().empty()) << "no start step may run";
    ASSERT_TRUE(ui::AnswerMessageBox(*box, "OK"));
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, static_cast<DWORD>(STILL_ACTIVE)) << "ended at once with the code it had";
    EXPECT_TRUE(run.Monitor().Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingScripts,
                         ::testing::Values(MissingCase{"nosetup", false, true}, MissingCase{"nodata", true, false},
                                           MissingCase{"neither", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DamageCase {
    const char* name;
    const char* file;
    std::string (*damage)(const std::string& encrypted);
};

std::string WrongKey(const std::string& encrypted) {
    // The same text under another key: the header tells the difference.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string in = std::string(temp) + "qxe2e_plain.tmp", out = std::string(temp) + "qxe2e_enc.tmp";
    WriteFileBytes(in, MinimalSetupInf());
    const unsigned char chain[16] = {};
    CRijndaelFILE other;
    other.SetKey("another key", 11, chain, 16, 16, 0, 0);
    other.EncryptToFile(in.c_str(), out.c_str());
    std::string bytes = ReadFileBytes(out);
    DeleteFileA(in.c_str());
    DeleteFileA(out.c_str());
    return bytes;
}
std::string Truncated(const std::string& encrypted) { return encrypted.substr(0, 20); }
std::string RaggedBody(const std::string& encrypted) { return encrypted.substr(0, 32 + 16 + 5); }
std::string PlainText(const std::string&) { return MinimalSetupInf(); }

class DamagedScripts : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedScripts, NameTheFileAndEndWithoutAPage) {
    std::string package = BuildTestPackage(GetParam().name, PlainPackage{MinimalSetupInf(), MinimalDataInf(), {}});
    std::string target = package + GetParam().file;
    WriteFileBytes(target, GetParam().damage(ReadFileBytes(target)));
    SetupRun run(package);
    ASSERT_TRUE(run.Started());
    auto box = ui::WaitForMessageBox(run.Process().Id(), kStartTimeout);
    ASSERT_TRUE(box);
    EXPECT_NE(box->text.find(target), std::string::npos) << box->text;
    EXPECT_NE(box->text.find("damaged"), std::string::npos) << box->text;
    ASSERT_TRUE(ui::AnswerMessageBox(*box, "OK"));
    ASSERT_TRUE(run.Process().WaitForExit(milliseconds(10000)));
    EXPECT_TRUE(run.Monitor().Texts().size() <= 1u) << "no start step may run";
    for (const auto& t : run.Monitor().Texts()) EXPECT_NE(t, "1");
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedScripts,
                         ::testing::Values(DamageCase{"wrongkey", "setup.nsx", WrongKey},
                                           DamageCase{"short", "setup.nsx", Truncated},
                                           DamageCase{"ragged", "setup.nsx", RaggedBody},
                                           DamageCase{"plaintext", "setup.nsx", PlainText},
                                           DamageCase{"datashort", "data.nsx", Truncated},
                                           DamageCase{"dataragged", "data.nsx", RaggedBody}),
                         [](const auto& info) { return std::string(info.param.name); });

// A window of the class that setup asks to close at start.
TEST(Startup, AsksTheNerritWindowToCloseAndQuit) {
    struct Seen {
        std::atomic<int> closes{0};
        std::atomic<bool> quit{false};
    } seen;
    std::atomic<HWND> window{nullptr};
    std::thread owner([&] {
        WNDCLASSA wc = {};
        wc.lpszClassName = "NerritClass";
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpfnWndProc = DefWindowProcA;
        RegisterClassA(&wc);
        HWND hwnd = CreateWindowA("NerritClass", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        window = hwnd;
        MSG msg;
        DWORD deadline = GetTickCount() + 60000;
        while (GetTickCount() < deadline) {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(10);
                continue;
            }
            if (msg.message == WM_QUIT) {
                seen.quit = true;
                break;
            }
            if (msg.message == WM_CLOSE) ++seen.closes;  // posted, so it arrives through the queue
        }
        DestroyWindow(hwnd);
    });
    ASSERT_TRUE(ui::WaitUntil([&] { return window.load() != nullptr; }, milliseconds(5000)));
    std::string package = BuildTestPackage("nerrit", PlainPackage{MinimalSetupInf(), MinimalDataInf(), {}});
    {
        SetupRun run(package);
        ASSERT_TRUE(run.Monitor().WaitForText("15", kStartTimeout));
        ui::WaitUntil([&] { return seen.quit.load(); }, milliseconds(5000));
    }
    if (!seen.quit) PostMessageA(window, WM_QUIT, 0, 0);
    owner.join();
    EXPECT_EQ(seen.closes.load(), 1);
    EXPECT_TRUE(seen.quit.load());
}

}  // namespace
}  // namespace qx::e2e
