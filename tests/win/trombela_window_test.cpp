// The envelope program's main window hosted in the test process: start-up in
// a fresh data folder, the stored files, defaults and profiles, help, exit and
// the error box of a missing folder. Dialogs are answered from a helper thread.
#include "support/trombela_driver.h"
#include "trombela/control_ids.h"
#include "trombela/data_folder.h"
#include "trombela/koperta_form_win.h"
#include "trombela/records.h"
#include "trombela/text_1250_win.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <memory>

namespace trombela {
namespace {

using namespace trombela_test;
using Answer = DialogAnswerer::Action;

std::wstring W(const char* cp1250) { return Widen(cp1250); }

Answer Box(const std::wstring& title, int button) {
    Answer a;
    a.kind = DialogAnswerer::kMessageBox;
    a.title = title;
    a.button = button;
    return a;
}

Answer File(const std::wstring& path) {
    Answer a;
    a.kind = DialogAnswerer::kFileDialog;
    a.file_name = path;
    return a;
}

std::string Str(const Bytes& b) { return std::string(b.begin(), b.end()); }

Bytes FileBytes(const std::wstring& path) {
    const std::string s = ReadBytes(path);
    return Bytes(s.begin(), s.end());
}

// A 2 x 1 pixel 24-bit bitmap file, the smallest picture the loader takes.
std::string TinyBitmap() {
    std::string b = "BM";
    auto le32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b += char(v >> (8 * i)); };
    auto le16 = [&](uint16_t v) { b += char(v); b += char(v >> 8); };
    le32(14 + 40 + 8); le32(0); le32(14 + 40);
    le32(40); le32(2); le32(1); le16(1); le16(24); le32(0); le32(8); le32(2835); le32(2835); le32(0); le32(0);
    b += std::string("\x00\x00\xff\xff\x00\x00\x00\x00", 8);
    return b;
}

class TrombelaWindow : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        folder_ = MakeTempFolder(L"window");
        CreateDirectoryW((folder_ + L"\\ADMINI").c_str(), nullptr);
        SetCurrentDirectoryW(folder_.c_str());
    }
    void TearDown() override {
        form_.reset();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        SetCurrentDirectoryW(temp);
    }

    Tkoperta_f& Start() {
        form_ = std::make_unique<Tkoperta_f>(Tkoperta_f::Options{false});
        EXPECT_TRUE(form_->Create(SW_SHOW));
        Pump();
        return *form_;
    }

    // Lets the window paint and handle posted messages.
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 5; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(20);
        }
    }

    // A click whose handler runs to its end before this returns.
    void Click(int id) {
        HWND button = FindControl(form_->hwnd(), id);
        ASSERT_NE(button, nullptr) << id;
        SendMessageW(button, BM_CLICK, 0, 0);
        Pump();
    }

    void ClickAnswering(int id, Answer answer, std::wstring* seen = nullptr) {
        DialogAnswerer answerer(0, answer);
        Click(id);
        EXPECT_TRUE(answerer.Finish()) << "no dialog answered for control " << id;
        if (seen) *seen = answerer.seen_text();
    }

    std::wstring Admini(const wchar_t* name) { return folder_ + L"\\ADMINI\\" + name; }
    std::string Caption() { return Narrow(WindowText(form_->hwnd())); }

    std::wstring folder_;
    std::unique_ptr<Tkoperta_f> form_;
};

TEST_F(TrombelaWindow, FirstStartCreatesTheFilesAndShowsTheDefaults) {
    Tkoperta_f& f = Start();
    const Bytes location = FileBytes(folder_ + L"\\Admini\\siec.dat");
    ASSERT_EQ(location.size(), 403u);
    EXPECT_EQ(location[0], 1);
    EXPECT_EQ(Widen(std::string(location.begin() + 2, location.begin() + 2 + location[1])), folder_);
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_1.dat")), EncodeSettings(DefaultSettings()));
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_log_1.dat")), Bytes(243, 0));
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_ori_1.dat")), Bytes(3, 0));
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_for.dat")), Bytes(21, 0));

    const char* left[] = {"50", "100", "150", "200"};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.l[k].Text(), left[k]);
        EXPECT_EQ(f.g[k].Text(), left[k]);
        EXPECT_EQ(f.RadioButtons[k].Checked(), k == 0);
    }
    EXPECT_EQ(f.od.Text(), "5");
    EXPECT_EQ(f.l_n.Text(), "5");
    EXPECT_EQ(f.g_n.Text(), "5");
    EXPECT_FALSE(f.poziomo.Checked());
    EXPECT_FALSE(f.logo.Checked());
    EXPECT_FALSE(f.logo.Enabled());
    EXPECT_EQ(f.Label7.Text(), "Rozmiar 50X50");
    EXPECT_EQ(Caption(), "Trombela kopert - profil domy\x9Clny");
    EXPECT_FALSE(f.Panel3.Visible());
    // No system menu, hence no close box.
    EXPECT_EQ(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_SYSMENU, 0);
    RECT client;
    GetClientRect(f.hwnd(), &client);
    EXPECT_EQ(client.right, 824);
    EXPECT_EQ(client.bottom, 548);
}

TEST_F(TrombelaWindow, ExistingFilesAreReadNotReplaced) {
    SettingsRecord s = DefaultSettings();
    s.sender = {"Jan", "ul. \xA3\xB9" "kowa 1", "", "00-001 Warszawa"};
    s.recipient_left[2] = "33";
    WriteBytes(Admini(L"dane_kop_1.dat"), Str(EncodeSettings(s)));
    const Bytes options = EncodeOptions({3, 1, 1});
    WriteBytes(Admini(L"dane_kop_ori_1.dat"), Str(options));
    const Bytes form = EncodeAddressForm("Pani");
    WriteBytes(Admini(L"dane_kop_for.dat"), Str(form));
    Tkoperta_f& f = Start();
    EXPECT_EQ(f.n[1].Text(), "ul. \xA3\xB9kowa 1");
    EXPECT_EQ(W(f.n[1].Text().c_str()), L"ul. \x0141\x0105kowa 1");  // Łąkowa, as the window shows it
    EXPECT_TRUE(f.RadioButtons[2].Checked());
    EXPECT_EQ(f.Label7.Text(), "Rozmiar 33X150");
    EXPECT_TRUE(f.poziomo.Checked());
    EXPECT_TRUE(f.logo.Checked());  // the mark stays; only the box is disabled
    EXPECT_FALSE(f.logo.Enabled());
    EXPECT_EQ(f.o[0].Text(), "Pani");
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_1.dat")), EncodeSettings(s));
}

TEST_F(TrombelaWindow, SaveDefaultsCutsTextsToTheirCapacity) {
    Tkoperta_f& f = Start();
    f.n[0].SetText(std::string(100, 'a'));
    f.od.SetText("12345678");
    Click(ids::kRadioButton4);
    f.poziomo.SetChecked(true);
    Click(ids::kSpeedButton2);
    const Bytes settings = FileBytes(Admini(L"dane_kop_1.dat"));
    ASSERT_EQ(settings.size(), 480u);
    EXPECT_EQ(settings[0], 80);
    EXPECT_EQ(std::string(settings.begin() + 1, settings.begin() + 81), std::string(80, 'a'));
    EXPECT_EQ(settings[372], 5);
    EXPECT_EQ(std::string(settings.begin() + 373, settings.begin() + 378), "12345");
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_ori_1.dat")), (Bytes{4, 0, 1}));
    EXPECT_EQ(Caption(), "Trombela kopert - profil domy\x9Clny");
}

TEST_F(TrombelaWindow, SaveChangeAndReadDefaultsRoundTrips) {
    Tkoperta_f& f = Start();
    f.n[0].SetText("Firma \xAF\xF3\xB3w");  // Żółw
    f.l[1].SetText("77");
    f.g[1].SetText("88");
    f.l_log.SetText("10");
    Click(ids::kRadioButton2);
    EXPECT_EQ(f.Label7.Text(), "Rozmiar 77X88");
    f.poziomo.SetChecked(true);
    f.o[0].SetText("Pan");
    Click(ids::kSpeedButton2);

    f.n[0].SetText("inny");
    f.l[1].SetText("1");
    f.l_log.SetText("");
    f.o[0].SetText("Pani");
    Click(ids::kRadioButton3);
    f.poziomo.SetChecked(false);

    // "No" changes nothing.
    std::wstring seen;
    ClickAnswering(ids::kSpeedButton12, Box(L"Pytanie", IDNO), &seen);
    EXPECT_EQ(seen, L"Wczyta\x0107 ustawienia domy\x015Blne ?");
    EXPECT_EQ(f.n[0].Text(), "inny");
    EXPECT_TRUE(f.RadioButtons[2].Checked());

    ClickAnswering(ids::kSpeedButton12, Box(L"Pytanie", IDYES));
    EXPECT_EQ(f.n[0].Text(), "Firma \xAF\xF3\xB3w");
    EXPECT_EQ(f.l[1].Text(), "77");
    EXPECT_EQ(f.l_log.Text(), "10");
    EXPECT_TRUE(f.RadioButtons[1].Checked());
    EXPECT_EQ(f.Label7.Text(), "Rozmiar 77X88");
    EXPECT_TRUE(f.poziomo.Checked());
    EXPECT_EQ(f.o[0].Text(), "Pani");  // the form of address is not read again
    EXPECT_EQ(Caption(), "Trombela kopert - profil domy\x9Clny");
}

TEST_F(TrombelaWindow, ProfileWrittenAndReadBackRestoresEveryField) {
    CreateDirectoryW((folder_ + L"\\Koperty").c_str(), nullptr);
    const std::wstring picture = folder_ + L"\\logo.bmp";
    WriteBytes(picture, TinyBitmap());
    Tkoperta_f& f = Start();
    for (int i = 0; i < 4; ++i) f.n[i].SetText("nadawca " + std::to_string(i));
    for (int k = 0; k < 4; ++k) {
        f.l[k].SetText(std::to_string(11 + k));
        f.g[k].SetText(std::to_string(21 + k));
    }
    f.od.SetText("7");
    f.l_n.SetText("8");
    f.g_n.SetText("9");
    f.nazwa.SetText(Narrow(picture));
    f.l_log.SetText("30");
    f.g_log.SetText("40");
    Click(ids::kRadioButton3);
    f.logo.SetChecked(true);
    f.poziomo.SetChecked(true);
    const std::wstring profile = folder_ + L"\\Koperty\\biuro.pro";
    ClickAnswering(ids::kSpeedButton11, File(profile));
    ASSERT_EQ(FileBytes(profile).size(), 726u);

    // Everything the profile holds is changed, then read back.
    for (Edit* e : {&f.n[0], &f.n[1], &f.n[2], &f.n[3], &f.l[0], &f.l[1], &f.l[2], &f.l[3], &f.g[0], &f.g[1],
                    &f.g[2], &f.g[3], &f.od, &f.l_n, &f.g_n, &f.nazwa, &f.l_log, &f.g_log})
        e->SetText("x");
    Click(ids::kRadioButton1);
    f.logo.SetChecked(false);
    f.poziomo.SetChecked(false);
    f.logo.SetEnabled(false);
    ClickAnswering(ids::kSpeedButton10, File(profile));

    for (int i = 0; i < 4; ++i) EXPECT_EQ(f.n[i].Text(), "nadawca " + std::to_string(i));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.l[k].Text(), std::to_string(11 + k));
        EXPECT_EQ(f.g[k].Text(), std::to_string(21 + k));
    }
    EXPECT_EQ(f.od.Text(), "7");
    EXPECT_EQ(f.l_n.Text(), "8");
    EXPECT_EQ(f.g_n.Text(), "9");
    EXPECT_EQ(f.nazwa.Text(), Narrow(picture));
    EXPECT_EQ(f.l_log.Text(), "30");
    EXPECT_EQ(f.g_log.Text(), "40");
    EXPECT_TRUE(f.RadioButtons[2].Checked());
    EXPECT_EQ(f.Label7.Text(), "Rozmiar 13X23");
    EXPECT_TRUE(f.logo.Checked());
    EXPECT_TRUE(f.logo.Enabled());
    EXPECT_TRUE(f.poziomo.Checked());
    EXPECT_FALSE(f.Image3.picture().Empty());
    EXPECT_EQ(Caption(), "Trombela kopert " + Narrow(profile));
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(std::wstring(current), folder_);
}

TEST_F(TrombelaWindow, DetachingTheLogoEmptiesThePathAndDisablesTheBox) {
    const std::wstring picture = folder_ + L"\\logo.bmp";
    WriteBytes(picture, TinyBitmap());
    const Bytes logo = EncodeLogo({Narrow(picture), "1", "2"});
    WriteBytes(Admini(L"dane_kop_log_1.dat"), Str(logo));
    Tkoperta_f& f = Start();
    EXPECT_TRUE(f.logo.Enabled());
    EXPECT_FALSE(f.Image2.picture().Empty());
    f.logo.SetChecked(true);
    Click(ids::kSpeedButton7);
    EXPECT_EQ(f.nazwa.Text(), "");
    EXPECT_FALSE(f.logo.Enabled());
    EXPECT_FALSE(f.logo.Checked());
    EXPECT_TRUE(f.Image3.picture().Empty());
}

TEST_F(TrombelaWindow, LocationFileRedirectsTheDataFolder) {
    const std::wstring shared = MakeTempFolder(L"shared");
    CreateDirectoryW((shared + L"\\ADMINI").c_str(), nullptr);
    LocationRecord location{1, Narrow(shared), ""};
    WriteBytes(folder_ + L"\\Admini\\siec.dat", Str(EncodeLocation(location)));
    Tkoperta_f& f = Start();
    EXPECT_EQ(f.DataFolder(), Narrow(shared));
    EXPECT_EQ(FileBytes(shared + L"\\ADMINI\\dane_kop_1.dat").size(), 480u);
    EXPECT_EQ(GetFileAttributesW(Admini(L"dane_kop_1.dat").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(TrombelaWindow, KindTwoWithAnEmptySecondFolderUsesTheDriveRoot) {
    wchar_t drive_root[] = L"X:\\";
    drive_root[0] = folder_[0];
    const std::wstring root_admini = std::wstring(drive_root) + L"ADMINI";
    const bool made = CreateDirectoryW(root_admini.c_str(), nullptr) != FALSE;
    ASSERT_TRUE(made || GetLastError() == ERROR_ALREADY_EXISTS);
    LocationRecord location{2, Narrow(folder_), ""};
    WriteBytes(folder_ + L"\\Admini\\siec.dat", Str(EncodeLocation(location)));
    Tkoperta_f& f = Start();
    EXPECT_EQ(f.DataFolder(), "");
    EXPECT_EQ(FileBytes(root_admini + L"\\dane_kop_ori_1.dat").size(), 3u);
    form_.reset();
    if (made) {
        for (const wchar_t* name : {L"dane_kop_1.dat", L"dane_kop_log_1.dat", L"dane_kop_ori_1.dat", L"dane_kop_for.dat"})
            DeleteFileW((root_admini + L"\\" + name).c_str());
        RemoveDirectoryW(root_admini.c_str());
    }
}

TEST_F(TrombelaWindow, AttachLogoLoadsThePicture) {
    const std::wstring picture = folder_ + L"\\znak.bmp";
    WriteBytes(picture, TinyBitmap());
    Tkoperta_f& f = Start();
    ClickAnswering(ids::kSpeedButton6, File(picture));
    EXPECT_EQ(f.nazwa.Text(), Narrow(picture));
    EXPECT_TRUE(f.logo.Enabled());
    const SIZE px = f.Image3.picture().PixelSize();
    EXPECT_EQ(px.cx, 2);
    EXPECT_EQ(px.cy, 1);
}

TEST_F(TrombelaWindow, MissingAdminiFolderShowsTheErrorAndTheWindowSurvives) {
    RemoveDirectoryW((folder_ + L"\\ADMINI").c_str());
    DialogAnswerer answerer(0, Box(W("B\xB3\xB9" "d"), IDOK));
    Tkoperta_f& f = Start();
    ASSERT_TRUE(answerer.Finish());
    EXPECT_NE(answerer.seen_text().find(W("B\xB3\xB9" "d wej\x9C" "cia/wyj\x9C" "cia 3")), std::wstring::npos)
        << Narrow(answerer.seen_text());
    EXPECT_TRUE(IsWindow(f.hwnd()));
    EXPECT_TRUE(IsWindowVisible(f.hwnd()));
    // Saving fails the same way and creates nothing.
    ClickAnswering(ids::kSpeedButton2, Box(W("B\xB3\xB9" "d"), IDOK));
    EXPECT_TRUE(IsWindow(f.hwnd()));
    EXPECT_EQ(GetFileAttributesW((folder_ + L"\\ADMINI").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(TrombelaWindow, HelpPanelShowsAndHides) {
    Tkoperta_f& f = Start();
    Click(ids::kSpeedButton9);
    ASSERT_TRUE(f.Panel3.Visible());
    RECT r;
    GetWindowRect(f.Panel3.hwnd(), &r);
    MapWindowPoints(nullptr, f.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 93);
    EXPECT_EQ(r.top, 62);
    EXPECT_EQ(r.right - r.left, 636);
    EXPECT_EQ(r.bottom - r.top, 390);
    const std::string help = f.Memo1.Text();
    EXPECT_EQ(help.rfind("1.Okre\x9Cl po\xB3o\xBF" "enie", 0), 0u);
    EXPECT_NE(help.find("\r\n\r\nPami\xEAtaj! Dla r\xF3\xBFnych czcionek"), std::string::npos);
    Click(ids::kSpeedButton8);
    EXPECT_FALSE(f.Panel3.Visible());
}

TEST_F(TrombelaWindow, ExitAsksThenStoresTheFormOfAddress) {
    Tkoperta_f& f = Start();
    f.o[0].SetText("Szanowny Pan Dyrektor Generalny");
    ClickAnswering(ids::kSpeedButton1, Box(L"Pytanie", IDNO));
    EXPECT_TRUE(IsWindow(f.hwnd()));
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_for.dat")), Bytes(21, 0));
    HWND window = f.hwnd();
    ClickAnswering(ids::kSpeedButton1, Box(L"Pytanie", IDYES));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FileBytes(Admini(L"dane_kop_for.dat")), EncodeAddressForm("Szanowny Pan Dyrekto"));
}

TEST_F(TrombelaWindow, ClockShowsTheLongTimeFormat) {
    Tkoperta_f& f = Start();
    wchar_t now[80];
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, now, 80);
    const std::wstring shown = Widen(f.Label5.Text());
    EXPECT_NE(shown, L"00:00:00");
    EXPECT_EQ(shown.size(), std::wstring(now).size());
}

}  // namespace
}  // namespace trombela

namespace trombela {
namespace {

// Pictures of the main window and of the help panel for a person to look at,
// under the build's artifacts folder.
TEST_F(TrombelaWindow, ScreenshotsOfTheMainWindowAndTheHelpPanel) {
    Tkoperta_f& f = Start();
    f.n[0].SetText("Przedsi\xEA" "biorstwo \xAF\xF3\xB3w Sp. z o.o.");
    f.o[0].SetText("Pan");
    f.o[1].SetText("Grzegorz Brz\xEA" "czyszczykiewicz");
    SetForegroundWindow(f.hwnd());
    Pump();
    const std::string artifacts = std::string(QX_BINARY_DIR) + "/artifacts";
    CreateDirectoryW(WindowsPath(artifacts).c_str(), nullptr);
    ASSERT_TRUE(SaveWindowBitmap(f.hwnd(), WindowsPath(artifacts + "/trombela-main.bmp")));
    Click(ids::kSpeedButton9);
    UpdateWindow(f.hwnd());
    Pump();
    ASSERT_TRUE(SaveWindowBitmap(f.hwnd(), WindowsPath(artifacts + "/trombela-help.bmp")));
    const std::string main_shot = ReadBytes(WindowsPath(artifacts + "/trombela-main.bmp"));
    const std::string help_shot = ReadBytes(WindowsPath(artifacts + "/trombela-help.bmp"));
    ASSERT_EQ(main_shot.size(), help_shot.size());
    EXPECT_NE(main_shot, help_shot);  // the help panel covers part of the window
    EXPECT_EQ(RunUnix("cd '" + artifacts + "' && convert trombela-main.bmp trombela-main.png && " +
                      "convert trombela-help.bmp trombela-help.png"),
              0);
}

}  // namespace
}  // namespace trombela
