// The sample theme of the demo package: every layout builds completely, its
// pictures and icons load, and a screenshot of each page is kept under the
// build folder (artifacts/pages/<name>.png) for people to look at.
#include "setup/pages/my_static.h"
#include "setup/pages/page_window.h"

#include "support/page_capture.h"
#include "support/page_test_host.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <algorithm>

namespace {

using qx::pages::CImageWindow;
using qx::pages::ControlType;
using pagetest::PageTestHost;

std::string Theme() { return pagetest::SourcePath("demo/package/theme") + "\\"; }

int Total(const std::string& layout) {
    return static_cast<int>(GetPrivateProfileIntA("INFO", "TOTAL", -1, (Theme() + layout).c_str()));
}

void SetText(CImageWindow& page, const char* idName, const std::string& text) {
    if (HWND h = page.ControlHandle(page.FindControlByIdName(idName))) SetWindowTextA(h, text.c_str());
}

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* rest = reinterpret_cast<std::string*>(cookie);
    LONG n = static_cast<LONG>(std::min<std::size_t>(rest->size(), static_cast<std::size_t>(wanted)));
    std::copy(rest->begin(), rest->begin() + n, buffer);
    rest->erase(0, static_cast<std::size_t>(n));
    *given = n;
    return 0;
}

// Streams rich text in as the licence behaviour does with the package's file.
void StreamRtf(CImageWindow& page, const char* idName, std::string rtf) {
    HWND h = page.ControlHandle(page.FindControlByIdName(idName));
    if (!h) return;
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    stream.pfnCallback = ReadRtf;
    SendMessageA(h, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void Check(CImageWindow& page, const char* idName, bool on) {
    if (HWND h = page.ControlHandle(page.FindControlByIdName(idName)))
        SendMessageA(h, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// What the page behaviours put on these pages once they run, so the
// screenshots show pages as a user meets them.
void Dress(CImageWindow& page, const std::string& name) {
    const std::string dir = "C:\\Program Files\\Morvaine\\Trombela\\";
    if (name == "license.lcd" || name == "readme.lcd") {
        StreamRtf(page, name == "license.lcd" ? "IDC_LICENSE" : "IDC_README",
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16\\b TROMBELA 2.0 - END USER LICENSE "
                  "AGREEMENT\\b0\\par\\par Please read this agreement before using the software. By installing "
                  "Trombela you agree to be bound by the terms below.\\par\\par\\b 1. Grant of licence.\\b0  "
                  "Morvaine Software grants you the right to install and use one copy of Trombela on one computer."
                  "\\par\\par\\b 2. Restrictions.\\b0  You may not rent, lease or lend the software.\\par}");
        Check(page, "IDC_NOTACCEPTLICENSE", true);
        EnableWindow(page.ControlHandle(page.FindControlByIdName("IDC_NEXT")), name != "license.lcd");
    } else if (name == "customer.lcd") {
        SetText(page, "IDC_USERNAME", "Anna Kowalska");
        SetText(page, "IDC_ORGANIZATION", "Morvaine Software");
        Check(page, "IDC_ANYONE", true);
    } else if (name == "destination.lcd" || name == "customsetup.lcd") {
        SetText(page, "IDC_INSTALLDIR", dir);
        if (HWND tree = page.ControlHandle(page.FindControlByIdName("IDC_FEATURES"))) {
            for (const char* feature : {"Program Files", "Help"}) {
                TVINSERTSTRUCTA insert{};
                insert.hParent = TVI_ROOT;
                insert.hInsertAfter = TVI_LAST;
                insert.item.mask = TVIF_TEXT;
                insert.item.pszText = const_cast<char*>(feature);
                SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
            }
        }
        SetText(page, "IDC_FEATUREINFO", "The Trombela program and its envelope templates.");
    } else if (name == "setuptype.lcd") {
        Check(page, "IDC_TYPICAL", true);
    } else if (name == "ready.lcd") {
        SetText(page, "IDC_SETTINGS",
                "\r\nSetup Type:\r\n\r\nTypical\r\n\r\nDestination Folder:\r\n\r\n" + dir +
                    "\r\n\r\nUser Information:\r\n\r\nName:Anna Kowalska\r\n\r\nCompany:Morvaine Software\r\n\r\n");
    } else if (name == "progress.lcd" || name == "3rdparty.lcd") {
        page.UseProgressControls("IDC_PROGRESS1", "IDC_INFO", "IDC_INSTALLINFO");
        page.SetProgressRange(100);
        page.SetProgressPosition(62);
        page.SetProgressText("Copying new files", 0);
        page.SetProgressText(dir + "trombela.exe", 1);
        for (const char* id : {"IDC_BACK", "IDC_NEXT"})
            EnableWindow(page.ControlHandle(page.FindControlByIdName(id)), FALSE);
    } else if (name == "complete.lcd") {
        Check(page, "IDC_LAUNCHFILE", true);
        ShowWindow(page.ControlHandle(page.FindControlByIdName("IDC_LAUNCHREADME")), SW_HIDE);
    } else if (name == "start.lcd") {
        page.SetProgressRange(100);
        page.SetProgressPosition(35);
    } else if (name == "askuser.lcd") {
        HWND list = page.ControlHandle(page.FindControlByIdName("IDC_LANGUAGE"));
        for (const char* language : {"English", "Polish"})
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(language));
        SendMessageA(list, CB_SETCURSEL, 0, 0);
    }
}

class PageThemeTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PageThemeTest, BuildsCompletelyAndIsScreenshot) {
    const std::string name = GetParam();
    PageTestHost host;
    host.tokens["<ProductName>"] = "Trombela 2.0";
    host.tokens["<InstallDir>"] = "C:\\Program Files\\Morvaine\\Trombela\\";
    LoadLibraryA("RICHED32.DLL");
    // Welcome first and Complete last of a ten-page wizard, the others between.
    int index = name == "welcome.lcd" ? 0 : name == "complete.lcd" ? 9 : 4;
    auto page = CImageWindow::Create(host, nullptr, Theme(), name, index, 10, SW_SHOWNOACTIVATE);
    // The progress page starts the run 300 ms after it shows and then ends
    // itself; the picture is of the page before that.
    if (name == "progress.lcd") KillTimer(page->Handle(), 1);
    ASSERT_TRUE(page);
    SetWindowPos(page->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    int total = Total(name);
    ASSERT_GT(total, 0) << name;
    EXPECT_EQ(page->ControlCount(), total) << name;
    EXPECT_TRUE(host.messages.empty()) << name << ": " << (host.messages.empty() ? "" : host.messages[0]);
    for (int i = 0; i < page->ControlCount(); ++i) {
        const auto& c = page->Control(i);
        EXPECT_NE(page->ControlHandle(c.windowId), nullptr) << name << " key " << c.key;
        if (c.type == ControlType::Bitmap) {
            auto* picture = static_cast<qx::pages::CMyStatic*>(page->ControlObject(c.windowId));
            EXPECT_TRUE(picture->PictureLoaded()) << name << " " << c.text;
        }
        if (c.type == ControlType::Icon) {
            auto* icon = static_cast<qx::pages::CMyStatic*>(page->ControlObject(c.windowId));
            EXPECT_NE(icon->Icon(), nullptr) << name << " key " << c.key;
        }
    }

    Dress(*page, name);
    RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    pagetest::PumpMessages(300);
    // The page's own area: the title bar is the system's, not the theme's.
    pagetest::Capture shot = pagetest::CaptureClient(page->Handle());
    ASSERT_FALSE(shot.Empty());
    std::string folder = pagetest::BuildPath("artifacts");
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\pages";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string base = name.substr(0, name.size() - 4);
    EXPECT_TRUE(pagetest::WritePng(shot, folder + "\\" + base + ".png"));
    // The page is drawn: its client area is not one flat colour.
    int different = 0;
    for (auto px : shot.pixels) different += px != shot.pixels.front();
    EXPECT_GT(different, shot.width * 4) << name;
}

INSTANTIATE_TEST_SUITE_P(SampleTheme, PageThemeTest,
                         ::testing::Values("welcome.lcd", "license.lcd", "readme.lcd", "customer.lcd",
                                           "destination.lcd", "setuptype.lcd", "customsetup.lcd", "ready.lcd",
                                           "progress.lcd", "complete.lcd", "start.lcd", "askuser.lcd", "3rdparty.lcd",
                                           "setuperror.lcd", "cancelsetup.lcd"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string n = info.param;
                             n = n.substr(0, n.size() - 4);
                             return n == "3rdparty" ? std::string("thirdparty") : n;
                         });

}  // namespace
