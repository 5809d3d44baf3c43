// Envelope printing end to end: the real trombela.exe prints through the
// print dialog to a CUPS queue that writes PDF files, and the PDF is checked
// against the envelope's geometry. The queue must be running before the
// program starts (Wine reads the printer list then), so the test starts
// cupsd first and only then starts trombela.exe as a new process.
#include "support/trombela_driver.h"
#include "trombela/control_ids.h"
#include "trombela/font_record.h"
#include "trombela/records.h"
#include "trombela/text_1250_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace trombela {
namespace {

using namespace trombela_test;

// One millimetre of the envelope is 1/25 inch: 72/25 PDF points.
constexpr double kPointsPerMm = 72.0 / 25.0;

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct PrintedPage {
    std::string pdf;
    double width = 0, height = 0;   // points
    double ascent = 0;              // of the embedded font, per 1000 of its size
    std::map<std::string, Box> words;
    Box red;                        // the logo's pixels at 72 pixels per inch
    bool has_red = false;
};

std::string Str(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string RedBitmap(int w, int h) {
    std::string b = "BM";
    auto le32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b += char(v >> (8 * i)); };
    auto le16 = [&](uint16_t v) { b += char(v); b += char(v >> 8); };
    const uint32_t stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
    le32(14 + 40 + size); le32(0); le32(14 + 40);
    le32(40); le32(w); le32(h); le16(1); le16(24); le32(0); le32(size); le32(2835); le32(2835); le32(0); le32(0);
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) row += std::string("\x00\x00\xff", 3);
        row.resize(stride, '\0');
        b += row;
    }
    return b;
}

class TrombelaPrint : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string out;
        const int rc = RunUnix(std::string("'") + QX_SOURCE_DIR + "/tools/env/cups-start.sh'", &out, 600000);
        ASSERT_EQ(rc, 0) << out;
    }

    void SetUp() override {
        folder_ = MakeTempFolder(L"print");
        CreateDirectoryW((folder_ + L"\\ADMINI").c_str(), nullptr);
        CreateDirectoryW((folder_ + L"\\FONT").c_str(), nullptr);
        const std::wstring logo = folder_ + L"\\logo.bmp";
        ASSERT_TRUE(WriteBytes(logo, RedBitmap(100, 50)));
        WriteBytes(folder_ + L"\\ADMINI\\dane_kop_log_1.dat", Str(EncodeLogo({Narrow(logo), "10", "20"})));
        WriteBytes(folder_ + L"\\ADMINI\\dane_kop_ori_1.dat", Str(EncodeOptions({1, 1, 0})));
        PrintFont font;
        font.face = "DejaVu Sans";
        font.size = 12;
        WriteBytes(folder_ + L"\\FONT\\font_dolmen_2007.dat", Str(EncodeFont(font)));
        marker_ = UnixPath(folder_) + "/marker";
        RunUnix("mkdir -p \"$HOME/PDF\"; touch '" + marker_ + "'");
        Sleep(1100);  // newer-than is measured in whole seconds
    }

    void TearDown() override {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }

    HWND StartProgram() {
        const std::wstring exe = WindowsPath(std::string(QX_BINARY_DIR) + "/trombela/trombela.exe");
        std::wstring line = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &si,
                            &process_))
            return nullptr;
        window_ = WaitTopWindow(process_.dwProcessId,
                                [](HWND h) { return ClassName(h) == ids::kFormClass && IsWindowVisible(h); },
                                60000);
        return window_;
    }

    void Type(int id, const std::string& text) {
        HWND control = FindControl(window_, id);
        ASSERT_NE(control, nullptr) << id;
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }

    void SetCheck(int id, bool on) {
        HWND control = FindControl(window_, id);
        SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    // Prints through the dialog and waits for the queue to deliver the PDF.
    PrintedPage Print(const wchar_t* printer = L"") {
        PrintedPage page;
        DialogAnswerer::Action ok;
        ok.kind = DialogAnswerer::kPrintDialog;
        ok.button = IDOK;
        ok.printer = printer;
        {
            DialogAnswerer answerer(process_.dwProcessId, ok, 60000);
            PostClick(FindControl(window_, ids::kSpeedButton4));
            EXPECT_TRUE(answerer.Finish()) << "print dialog not answered";
        }
        std::string found;
        for (int i = 0; i < 120 && found.empty(); ++i) {
            Sleep(500);
            RunUnix("lpstat -o PDF | grep -q . && exit 0; find \"$HOME/PDF\" -name '*.pdf' -newer '" + marker_ +
                        "' | head -1",
                    &found);
            while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) found.pop_back();
        }
        if (found.empty()) {
            ADD_FAILURE() << "no PDF arrived from the queue";
            return page;
        }
        page.pdf = found;
        RunUnix("touch '" + marker_ + "'");
        Sleep(1100);

        std::string info;
        RunUnix("pdfinfo '" + found + "' | grep 'Page size'", &info);
        std::smatch m;
        if (std::regex_search(info, m, std::regex("([0-9.]+) x ([0-9.]+) pts"))) {
            page.width = std::atof(m[1].str().c_str());
            page.height = std::atof(m[2].str().c_str());
        }
        std::string rot;
        RunUnix("pdfinfo '" + found + "' | grep 'Page rot' | awk '{print $3}'", &rot);
        if (std::atoi(rot.c_str()) % 180 == 90) std::swap(page.width, page.height);

        std::string ascent;
        RunUnix("strings '" + found + "' | grep -m1 '^/Ascent ' | awk '{print $2}'", &ascent);
        page.ascent = std::atof(ascent.c_str());

        std::string html;
        RunUnix("pdftotext -bbox '" + found + "' -", &html);
        const std::regex word("<word xMin=\"([0-9.\\-]+)\" yMin=\"([0-9.\\-]+)\" xMax=\"([0-9.\\-]+)\" "
                              "yMax=\"([0-9.\\-]+)\">([^<]*)</word>");
        for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
            Box b{std::atof((*it)[1].str().c_str()), std::atof((*it)[2].str().c_str()),
                  std::atof((*it)[3].str().c_str()), std::atof((*it)[4].str().c_str())};
            page.words[(*it)[5].str()] = b;
        }

        // The logo's red pixels, rendered at one pixel per point.
        std::string red;
        RunUnix("pdftoppm -r 72 -singlefile '" + found + "' /tmp/trombela-print-page && python3 -c \"\n"
                "import sys\n"
                "d=open('/tmp/trombela-print-page.ppm','rb').read().split(b'\\n',3)\n"
                "w,h=map(int,d[1].split()); p=d[3]\n"
                "xs=[];ys=[]\n"
                "for y in range(h):\n"
                "  for x in range(w):\n"
                "    r,g,b=p[3*(y*w+x)],p[3*(y*w+x)+1],p[3*(y*w+x)+2]\n"
                "    if r>200 and g<60 and b<60: xs.append(x); ys.append(y)\n"
                "print(min(xs),min(ys),max(xs)+1,max(ys)+1) if xs else print('none')\n\"",
                &red);
        std::istringstream in(red);
        Box r;
        if (in >> r.x0 >> r.y0 >> r.x1 >> r.y1) {
            page.red = r;
            page.has_red = true;
        }
        return page;
    }

    void Exit() {
        DialogAnswerer::Action yes;
        yes.kind = DialogAnswerer::kMessageBox;
        yes.title = L"Pytanie";
        yes.button = IDYES;
        DialogAnswerer answerer(process_.dwProcessId, yes);
        PostClick(FindControl(window_, ids::kSpeedButton1));
        EXPECT_TRUE(answerer.Finish());
        EXPECT_EQ(WaitForSingleObject(process_.hProcess, 30000), WAIT_OBJECT_0);
    }

    void FillTexts() {
        const int sender[] = {ids::kN1, ids::kN2, ids::kN3, ids::kN4};
        const int recipient[] = {ids::kO1, ids::kO2, ids::kO3, ids::kO4, ids::kO5};
        for (int i = 0; i < 4; ++i) Type(sender[i], "Nad" + std::to_string(i + 1));
        for (int i = 0; i < 5; ++i) Type(recipient[i], "Odb" + std::to_string(i + 1));
    }

    // Text is drawn from the top-left corner of its cell, while the PDF tools
    // report glyph boxes whose top is the embedded font's ascent above the
    // baseline. The baseline lies the cell's ascent (as the system's font
    // metrics give it for the print font at the printer's resolution) below
    // the cell's top; from there the reported top follows, and is compared
    // with a tolerance of a couple of printer dots, well below one millimetre.
    void ExpectTextAt(const PrintedPage& page, int dpi, const std::string& word, double x_mm, double y_mm) {
        auto it = page.words.find(word);
        ASSERT_NE(it, page.words.end()) << word << " not in " << page.pdf;
        const double dot = 72.0 / dpi;
        const int per_mm = (dpi + 12) / 25;
        const double top = y_mm * per_mm * dot;
        const double baseline = top + CellAscent(dpi) * dot;
        EXPECT_NEAR(it->second.x0, x_mm * per_mm * dot, 0.75) << word;
        EXPECT_NEAR(it->second.y0, baseline - page.ascent / 1000.0 * 12.0, 0.5) << word;
    }

    // Ascent of the 12-point print font at the printer's resolution, in dots.
    static int CellAscent(int dpi) {
        HDC screen = GetDC(nullptr);
        HFONT font = CreateFontW(-((12 * dpi + 36) / 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"DejaVu Sans");
        HGDIOBJ old = SelectObject(screen, font);
        TEXTMETRICW tm{};
        GetTextMetricsW(screen, &tm);
        SelectObject(screen, old);
        DeleteObject(font);
        ReleaseDC(nullptr, screen);
        return tm.tmAscent;
    }

    void ExpectDefaultEnvelope(const PrintedPage& page, int dpi) {
        ASSERT_GT(page.ascent, 0) << "no font ascent in " << page.pdf;
        for (int i = 0; i < 4; ++i) ExpectTextAt(page, dpi, "Nad" + std::to_string(i + 1), 5, 6 + 5 * i);
        ExpectTextAt(page, dpi, "Odb1", 50, 50);
        for (int j = 1; j <= 4; ++j) ExpectTextAt(page, dpi, "Odb" + std::to_string(j + 1), 55, 55 + 5 * j);
        // Same font on every line: the spacing between lines is exact.
        if (page.words.count("Nad1") && page.words.count("Nad4") && page.words.count("Odb2") &&
            page.words.count("Odb5")) {
            EXPECT_NEAR(page.words.at("Nad4").y0 - page.words.at("Nad1").y0, 15 * kPointsPerMm, 0.1);
            EXPECT_NEAR(page.words.at("Odb5").y0 - page.words.at("Odb2").y0, 15 * kPointsPerMm, 0.1);
        }
        // The logo: 2.5 device dots per picture pixel whatever the resolution,
        // so its size on paper tells the resolution the program measured.
        ASSERT_TRUE(page.has_red) << "logo not printed in " << page.pdf;
        const double pt = 72.0 / dpi;
        EXPECT_NEAR(page.red.x0, 25 * pt, 1.0);
        EXPECT_NEAR(page.red.y0, 50 * pt, 1.0);
        EXPECT_NEAR(page.red.x1, 275 * pt, 1.0);
        EXPECT_NEAR(page.red.y1, 175 * pt, 1.0);
    }

    std::wstring folder_;
    std::string marker_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

TEST_F(TrombelaPrint, DefaultsAt300DpiThenLandscapeForOneJob) {
    ASSERT_NE(StartProgram(), nullptr);
    FillTexts();
    {
        // Cancelling the print dialog prints nothing.
        DialogAnswerer::Action cancel;
        cancel.kind = DialogAnswerer::kPrintDialog;
        cancel.button = IDCANCEL;
        DialogAnswerer answerer(process_.dwProcessId, cancel, 60000);
        PostClick(FindControl(window_, ids::kSpeedButton4));
        ASSERT_TRUE(answerer.Finish());
        Sleep(3000);
        std::string pending;
        RunUnix("lpstat -o PDF; find \"$HOME/PDF\" -name '*.pdf' -newer '" + marker_ + "'", &pending);
        EXPECT_EQ(pending, "");
    }
    const PrintedPage portrait = Print();
    EXPECT_LT(portrait.width, portrait.height) << portrait.pdf;
    ExpectDefaultEnvelope(portrait, 300);

    SetCheck(ids::kPoziomo, true);
    const PrintedPage landscape = Print();
    EXPECT_GT(landscape.width, landscape.height) << landscape.pdf;

    SetCheck(ids::kPoziomo, false);
    const PrintedPage again = Print();
    EXPECT_LT(again.width, again.height) << again.pdf;
    Exit();
}

// Sets the printer's stored default settings to `dpi`, as a user would in the
// printer's preferences. Wine keeps them as an ANSI DEVMODE in the registry
// and fills them at 300 dpi whatever the driver's own default is.
bool SetPrinterDefaultResolution(const wchar_t* printer, short dpi) {
    const std::wstring key = std::wstring(L"System\\CurrentControlSet\\Control\\Print\\Printers\\") + printer;
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &h) != ERROR_SUCCESS)
        return false;
    BYTE data[4096];
    DWORD size = sizeof data, type = 0;
    bool ok = RegQueryValueExW(h, L"Default DevMode", nullptr, &type, data, &size) == ERROR_SUCCESS &&
              size >= sizeof(DEVMODEA) - sizeof(DWORD) * 2;
    if (ok) {
        auto* dm = reinterpret_cast<DEVMODEA*>(data);
        dm->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
        dm->dmPrintQuality = dpi;
        dm->dmYResolution = dpi;
        ok = RegSetValueExW(h, L"Default DevMode", 0, type, data, size) == ERROR_SUCCESS;
    }
    RegCloseKey(h);
    return ok;
}

// The 600 dpi queue is chosen in the print dialog.
TEST_F(TrombelaPrint, DefaultsAt600Dpi) {
    if (!SetPrinterDefaultResolution(L"PDF600", 600)) {
        // The queue becomes known to Wine when a program that prints starts.
        ASSERT_NE(StartProgram(), nullptr);
        Exit();
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        process_ = PROCESS_INFORMATION{};
        ASSERT_TRUE(SetPrinterDefaultResolution(L"PDF600", 600));
    }
    ASSERT_NE(StartProgram(), nullptr);
    FillTexts();
    const PrintedPage page = Print(L"PDF600");
    ExpectDefaultEnvelope(page, 600);
    Exit();
}

}  // namespace
}  // namespace trombela
