// What the custom controls draw: label fills read back from the screen,
// link fonts, built-in icons and missing pictures.
#include "setup/pages/new_label.h"
#include "setup/pages/page_window.h"

#include "support/page_capture.h"
#include "support/page_test_host.h"

#include <gtest/gtest.h>

namespace {

using qx::pages::CImageWindow;
using qx::pages::CNewLabel;
using pagetest::PageTestHost;

std::string Fixtures() { return pagetest::SourcePath("tests/fixtures/layouts") + "\\"; }

class PageColoursTest : public ::testing::Test {
protected:
    void SetUp() override {
        page = CImageWindow::Create(host, nullptr, Fixtures(), "colours.lcd", 1, 5, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(page);
        SetWindowPos(page->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pagetest::PumpMessages(200);
        shot = pagetest::CaptureClient(page->Handle());
        ASSERT_FALSE(shot.Empty());
    }
    // A pixel near the bottom-right corner inside a control, clear of its text.
    std::uint32_t Inside(const std::string& idName) {
        HWND child = page->ControlHandle(page->FindControlByIdName(idName));
        RECT rc;
        GetWindowRect(child, &rc);
        MapWindowPoints(nullptr, page->Handle(), reinterpret_cast<POINT*>(&rc), 2);
        return shot.At(rc.right - 4, rc.bottom - 4);
    }
    CNewLabel* Label(const std::string& idName) {
        return static_cast<CNewLabel*>(page->ControlObject(page->FindControlByIdName(idName)));
    }
    PageTestHost host;
    std::unique_ptr<CImageWindow> page;
    pagetest::Capture shot;
};

TEST_F(PageColoursTest, LabelsFillOnlyWhenTheirBackgroundDiffersFromButtonFace) {
    const std::uint32_t green = 0x008000;
    struct Case { const char* idName; std::uint32_t colour; bool fills; };
    const Case cases[] = {
        {"IDC_WHITE", 0xFFFFFF, true},
        {"IDC_FACE", green, false},   // button face: the page shows through
        {"IDC_EMPTY", green, false},  // empty colour means button face too
        {"IDC_BLUE", 0x0000C8, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Inside(c.idName), c.colour) << c.idName;
        EXPECT_EQ(Label(c.idName)->FillsBackground(), c.fills) << c.idName;
    }
    // The page's own colour around the controls, and the RECT at the origin.
    EXPECT_EQ(shot.At(110, 230), green);
    EXPECT_EQ(shot.At(50, 50), 0xFF0000u);
    EXPECT_EQ(shot.At(99, 99), 0xFF0000u);
    EXPECT_EQ(shot.At(101, 101), green);
    // The white label's text is drawn in its text colour somewhere.
    bool dark = false;
    HWND white = page->ControlHandle(page->FindControlByIdName("IDC_WHITE"));
    RECT rc;
    GetWindowRect(white, &rc);
    MapWindowPoints(nullptr, page->Handle(), reinterpret_cast<POINT*>(&rc), 2);
    for (int y = rc.top; y < rc.top + 20; ++y)
        for (int x = rc.left; x < rc.left + 20; ++x) dark = dark || (shot.At(x, y) & 0xFFFFFF) < 0x404040;
    EXPECT_TRUE(dark);
}

TEST_F(PageColoursTest, LinkLooksKeepBoldAndUnderline) {
    CNewLabel* link = Label("IDC_LINK");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->TextColor(), RGB(0, 0, 255));
    LOGFONTA lf{};
    ASSERT_TRUE(GetObjectA(link->CurrentFont(), sizeof lf, &lf));
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    char text[64] = {};
    GetWindowTextA(link->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Visit Trombela");
    // Clearing the link removes the underline but keeps the weight.
    link->SetLink(0);
    ASSERT_TRUE(GetObjectA(link->CurrentFont(), sizeof lf, &lf));
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
}

TEST_F(PageColoursTest, BuiltInIconShowsItsApplicationIcon) {
    HWND icon = nullptr;
    for (int i = 0; i < page->ControlCount(); ++i)
        if (page->Control(i).key == 6) icon = page->ControlHandle(page->Control(i).windowId);
    ASSERT_NE(icon, nullptr);
    RECT rc;
    GetWindowRect(icon, &rc);
    MapWindowPoints(nullptr, page->Handle(), reinterpret_cast<POINT*>(&rc), 2);
    // Draw icon 138 the same way and compare every pixel.
    HICON expected = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(138));
    ASSERT_NE(expected, nullptr);
    HDC screen = GetDC(page->Handle());
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 32, 32};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(memory, &all, white);
    DrawIconEx(memory, 0, 0, expected, 32, 32, 0, nullptr, DI_NORMAL);
    int differing = 0, coloured = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            std::uint32_t want = pagetest::Rgb(GetPixel(memory, x, y));
            differing += want != shot.At(rc.left + x, rc.top + y);
            coloured += want != 0xFFFFFF;
        }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteObject(white);
    DeleteDC(memory);
    ReleaseDC(page->Handle(), screen);
    EXPECT_GT(coloured, 100);
    EXPECT_EQ(differing, 0);
}

TEST_F(PageColoursTest, MissingIconFileIsReported) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "File not found: (" + Fixtures() + "nothere.ico)");
    // The ICON record whose type is unknown ("IDI") created nothing.
    EXPECT_EQ(page->ControlCount(), 9);
}

TEST_F(PageColoursTest, ListViewIsWhite) {
    bool found = false;
    for (int i = 0; i < page->ControlCount(); ++i) {
        if (page->Control(i).key != 8) continue;
        found = true;
        HWND list = page->ControlHandle(page->Control(i).windowId);
        RECT rc;
        GetWindowRect(list, &rc);
        MapWindowPoints(nullptr, page->Handle(), reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(shot.At(rc.right - 6, rc.bottom - 6), 0xFFFFFFu);
    }
    EXPECT_TRUE(found);
}

TEST(PageBackgroundTest, PictureIsStretchedOverThePageAndShowsThroughLabels) {
    PageTestHost host;
    // The background picture is named relative to the current folder.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(Fixtures().c_str());
    auto page = CImageWindow::Create(host, nullptr, Fixtures(), "background.lcd", 1, 5, SW_SHOWNOACTIVATE);
    SetCurrentDirectoryA(previous);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->BackgroundPictureLoaded());
    SetWindowPos(page->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pagetest::PumpMessages(200);
    pagetest::Capture shot = pagetest::CaptureClient(page->Handle());
    ASSERT_FALSE(shot.Empty());
    // The checkerboard's two colours cover the page; the blue page colour
    // and no other colour shows anywhere, under the label neither.
    const std::uint32_t a = 0xDCA01E, b = 0x1E78C8;
    int counts[2] = {0, 0}, others = 0;
    for (auto px : shot.pixels) {
        if (px == a) ++counts[0];
        else if (px == b) ++counts[1];
        else ++others;
    }
    EXPECT_GT(counts[0], shot.width * shot.height / 4);
    EXPECT_GT(counts[1], shot.width * shot.height / 4);
    EXPECT_EQ(others, 0);
    // Placement code 3: the top-right corner of the screen; the switches.
    RECT window;
    GetWindowRect(page->Handle(), &window);
    EXPECT_EQ(window.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(window.top, 0);
    LONG_PTR style = GetWindowLongPtrA(page->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_SYSMENU);
}

}  // namespace
