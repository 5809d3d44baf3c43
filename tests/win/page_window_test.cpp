// Page windows built from layout files under Wine: the real child windows,
// their identifiers, rectangles, states and drawn colours.
#include "setup/pages/page_window.h"

#include "support/page_capture.h"
#include "support/page_test_host.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

using qx::pages::CImageWindow;
using pagetest::PageTestHost;

std::string Fixtures() { return pagetest::SourcePath("tests/fixtures/layouts") + "\\"; }

std::unique_ptr<CImageWindow> Page(PageTestHost& host, const std::string& folder, const std::string& name,
                                   int index = 1, int count = 5) {
    auto page = CImageWindow::Create(host, nullptr, folder, name, index, count, SW_SHOWNOACTIVATE);
    if (page) {
        UpdateWindow(page->Handle());
        pagetest::PumpMessages(100);
    }
    return page;
}

RECT ChildRect(HWND page, HWND child) {
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::vector<int> ChildIdsInCreationOrder(HWND page) {
    std::vector<int> ids;
    char cls[64];
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetClassNameA(c, cls, sizeof cls);
        ids.push_back(GetDlgCtrlID(c));
    }
    return ids;
}

// Writes a layout of the given control types (one record per key).
std::string WriteLayout(const std::string& name, const std::vector<std::string>& types) {
    std::ostringstream text;
    text << "[MAINWINDOW]\ncaption=Generated\nwidth=300\nheight=200\n[INFO]\nTOTAL=" << types.size() << "\n";
    for (std::size_t k = 0; k < types.size(); ++k)
        text << k << "=c," << (k % 10) * 20 << "," << (k / 10) * 20 << ",18,18," << types[k] << ",,," << 3000 + k
             << "\n";
    std::string folder = pagetest::ScratchFolder("generated");
    pagetest::WriteTextFile(folder + name, text.str());
    return folder;
}

// A named callback: lambdas do not convert to the 32-bit calling convention.
BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

class PageWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagetest::WriteTextFile(host.workFolder + "langs.txt", "English\r\nDeutsch\r\n\r\nPolski");
    }
    PageTestHost host;
};

TEST_F(PageWindowTest, IdentifiersCountFromTheLastKeyInCreationOrder) {
    auto page = Page(host, Fixtures(), "navigation.lcd");
    ASSERT_TRUE(page);
    // Ten known controls (the IMAGE record creates none), created from key 10 down.
    EXPECT_EQ(ChildIdsInCreationOrder(page->Handle()),
              (std::vector<int>{3000, 3001, 3002, 3003, 3004, 3005, 3006, 3007, 3008, 3009}));
    EXPECT_EQ(page->ControlCount(), 10);
    // List position k holds the control of key k: key 0 was created last.
    EXPECT_EQ(page->Control(0).windowId, 3009);
    EXPECT_EQ(page->Control(9).windowId, 3000);
    EXPECT_EQ(page->ListPositionOf(3009), 0);
    EXPECT_EQ(page->ListPositionOf(4000), -1);
    EXPECT_EQ(page->PoolIndexOf(3009), 4);  // fifth button created
    EXPECT_EQ(page->PoolIndexOf(2999), -1);
    EXPECT_EQ(host.currentPage, page.get());
    RECT next = ChildRect(page->Handle(), page->ControlHandle(3009));
    EXPECT_EQ(next.left, 10);
    EXPECT_EQ(next.top, 300);
}

TEST_F(PageWindowTest, FindByIdNameGivesTheLowerKey) {
    auto page = Page(host, Fixtures(), "navigation.lcd");
    ASSERT_TRUE(page);
    int next = page->FindControlByIdName("IDC_NEXT");
    EXPECT_EQ(next, 3009);
    EXPECT_EQ(ChildRect(page->Handle(), page->ControlHandle(next)).left, 10);
    EXPECT_EQ(page->FindControlByIdName("idc_next"), -1);
    EXPECT_EQ(page->FindControlByIdName("IDC_PICTURE"), -1);
    EXPECT_EQ(page->FindControlByIdName("IDC_TREE"), 3000);
}

TEST_F(PageWindowTest, BackAndCancelFollowThePagePlace) {
    struct Case { int index, count; bool backEnabled, cancelEnabled; };
    const Case cases[] = {{0, 5, false, true}, {2, 5, true, true}, {4, 5, false, false},
                          {7, 5, false, false}, {-1, 50, true, true}};
    for (const auto& c : cases) {
        auto page = Page(host, Fixtures(), "navigation.lcd", c.index, c.count);
        ASSERT_TRUE(page);
        HWND back = page->ControlHandle(page->FindControlByIdName("IDC_BACK"));
        HWND cancel = page->ControlHandle(page->FindControlByIdName("IDCANCEL"));
        EXPECT_EQ(IsWindowEnabled(back) != FALSE, c.backEnabled) << c.index << " of " << c.count;
        EXPECT_EQ(IsWindowEnabled(cancel) != FALSE, c.cancelEnabled) << c.index << " of " << c.count;
        EXPECT_TRUE(IsWindowEnabled(page->ControlHandle(page->FindControlByIdName("IDC_NEXT"))));
    }
}

TEST_F(PageWindowTest, IdNameAdditions) {
    auto page = Page(host, Fixtures(), "navigation.lcd");
    ASSERT_TRUE(page);
    HWND next = page->ControlHandle(3009);
    HWND otherNext = page->ControlHandle(3006);
    EXPECT_EQ(GetWindowLongPtrA(next, GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrA(otherNext, GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrA(page->ControlHandle(page->FindControlByIdName("IDC_BACK")), GWL_STYLE) & 0x0F,
              BS_PUSHBUTTON);
    EXPECT_FALSE(IsWindowVisible(page->ControlHandle(page->FindControlByIdName("IDC_DOWNLOADPROGRESS"))));
    EXPECT_TRUE(IsWindowVisible(page->ControlHandle(page->FindControlByIdName("IDC_PROGRESS1"))));
    LONG_PTR settings = GetWindowLongPtrA(page->ControlHandle(page->FindControlByIdName("IDC_SETTINGS")), GWL_STYLE);
    EXPECT_EQ(settings & (ES_MULTILINE | ES_WANTRETURN), ES_MULTILINE | ES_WANTRETURN);
    // The list file's terminated lines, the unterminated last one left out.
    HWND combo = page->ControlHandle(page->FindControlByIdName("IDC_LANGUAGE"));
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    char entry[32] = {};
    SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, "Deutsch");
    // The finish button gets the focus and the page's tooltip.
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), page->Handle());
    ASSERT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char tip[80] = {};
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = page->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(page->ControlHandle(page->FindControlByIdName("IDC_FINISH")));
    info.lpszText = tip;
    SendMessageA(tooltip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(tip, "Click here to finish installation.");
    EXPECT_TRUE(page->HasFinish());
    EXPECT_EQ(GetFocus(), page->ControlHandle(page->FindControlByIdName("IDC_FINISH")));
    // Window settings reached the page and the host.
    char caption[64] = {};
    GetWindowTextA(page->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Navigation");
    ASSERT_FALSE(host.fontCalls.empty());
    EXPECT_EQ(host.fontCalls.back().face, "Tahoma");
    EXPECT_EQ(host.fontCalls.back().points, 8);
    EXPECT_EQ(host.fontCalls.back().bold, 0);
    EXPECT_TRUE(GetWindowLongPtrA(page->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(page->Handle(), GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(GetWindowLongPtrA(page->Handle(), GWL_STYLE) & WS_MINIMIZEBOX);
}

TEST_F(PageWindowTest, ProgressOperationsActOnTheCurrentBar) {
    auto page = Page(host, Fixtures(), "navigation.lcd");
    ASSERT_TRUE(page);
    HWND download = page->ControlHandle(page->FindControlByIdName("IDC_DOWNLOADPROGRESS"));
    HWND main = page->ControlHandle(page->FindControlByIdName("IDC_PROGRESS1"));
    // Until a behaviour chooses, the bar created last (lowest key) is current.
    page->SetProgressRange(200);
    page->SetProgressPosition(150);
    EXPECT_EQ(SendMessageA(download, PBM_GETPOS, 0, 0), 150);
    EXPECT_EQ(SendMessageA(main, PBM_GETPOS, 0, 0), 0);
    page->UseProgressControls("IDC_PROGRESS1", "IDC_NOTHERE", "IDC_SETTINGS");
    page->SetProgressRange(10);
    page->SetProgressPosition(7);
    EXPECT_EQ(SendMessageA(main, PBM_GETPOS, 0, 0), 7);
    EXPECT_EQ(SendMessageA(main, PBM_GETRANGE, FALSE, 0), 10);
    page->SetProgressText("first", 0);  // no such control: nothing happens
    page->SetProgressText("second", 1);
    page->SetProgressText("third", 2);
    char text[32] = {};
    GetWindowTextA(page->ControlHandle(page->FindControlByIdName("IDC_SETTINGS")), text, sizeof text);
    EXPECT_STREQ(text, "second");
}

TEST_F(PageWindowTest, SizeRules) {
    auto page = Page(host, Fixtures(), "sizes.lcd");
    ASSERT_TRUE(page);
    struct Case { int key; RECT expected; };
    const Case cases[] = {
        {0, {10, 10, 100, 35}},     // 20 x 5 button becomes 90 x 25
        {1, {10, 40, 30, 70}},      // 20 x 30 keeps its size
        {2, {0, 0, 100, 100}},      // RECT at the origin
        {3, {200, 10, 320, 50}},    // BITMAP at its picture's size
        {4, {300, 100, 332, 132}},  // ICON 32 x 32
        {6, {200, 200, 220, 209}},  // TEXT 20 x 9 is not below 8 high
        {7, {250, 250, 320, 280}},  // BITMAP without its file keeps the given size
    };
    for (const auto& c : cases) {
        const auto& record = page->Control(c.key);
        RECT rc = ChildRect(page->Handle(), page->ControlHandle(record.windowId));
        EXPECT_EQ(rc.left, c.expected.left) << "key " << c.key;
        EXPECT_EQ(rc.top, c.expected.top) << "key " << c.key;
        EXPECT_EQ(rc.right, c.expected.right) << "key " << c.key;
        EXPECT_EQ(rc.bottom, c.expected.bottom) << "key " << c.key;
        EXPECT_EQ(record.rect.Width(), c.expected.right - c.expected.left) << "key " << c.key;
    }
    // The combo keeps its window but its record is one item high plus 9.
    const auto& combo = page->Control(5);
    int item = static_cast<int>(SendMessageA(page->ControlHandle(combo.windowId), CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(combo.rect.top, 200);
    EXPECT_EQ(combo.rect.bottom, 200 + item + 9);
    // Placement code 2: top-left corner of the screen; the caption correction on the height.
    RECT window;
    GetWindowRect(page->Handle(), &window);
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 0);
    EXPECT_EQ(window.right, 420);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(window.bottom - window.top, caption <= 24 ? 320 - (25 - caption) : 320);
    char title[64] = {};
    GetWindowTextA(page->Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Sizes of Trombela");
}

TEST_F(PageWindowTest, ThirtyOneControlsUseIdentifiersUpTo3030) {
    std::vector<std::string> types;
    const char* kinds[] = {"BUTTON", "TEXT", "CHECKBOX"};
    for (int i = 0; i < 31; ++i) types.push_back(kinds[i % 3]);
    std::string folder = WriteLayout("thirtyone.lcd", types);
    auto page = Page(host, folder, "thirtyone.lcd");
    ASSERT_TRUE(page);
    std::vector<int> ids = ChildIdsInCreationOrder(page->Handle());
    ASSERT_EQ(ids.size(), 31u);
    EXPECT_EQ(ids.front(), 3000);
    EXPECT_EQ(ids.back(), 3030);
    EXPECT_EQ(page->Control(0).windowId, 3030);
    // Controls without properties show their type's default text, numbered
    // per type in creation order: key 30 (a BUTTON) was created first.
    struct Case { int key; const char* text; };
    for (Case c : {Case{30, "Button 1"}, Case{29, "CheckBox1"}, Case{28, "Text 1"}, Case{0, "Button 11"}}) {
        char text[32] = {};
        GetWindowTextA(page->ControlHandle(page->Control(c.key).windowId), text, sizeof text);
        EXPECT_STREQ(text, c.text) << "key " << c.key;
    }
}

TEST_F(PageWindowTest, ExcessControlsAreSkipped) {
    std::vector<std::string> types(17, "BUTTON");
    std::string folder = WriteLayout("buttons.lcd", types);
    auto page = Page(host, folder, "buttons.lcd");
    ASSERT_TRUE(page);
    EXPECT_EQ(ChildIdsInCreationOrder(page->Handle()).size(), 15u);

    types.clear();
    const char* kinds[] = {"BUTTON", "TEXT", "TEXTBOX", "RADIO", "CHECKBOX", "FRAME"};
    for (int i = 0; i < 80; ++i) types.push_back(kinds[i % 6]);
    folder = WriteLayout("many.lcd", types);
    page->LoadPage(folder, "many.lcd", 1, 5);
    std::vector<int> ids = ChildIdsInCreationOrder(page->Handle());
    ASSERT_EQ(ids.size(), 69u);
    EXPECT_EQ(ids.back(), 3068);
}

TEST_F(PageWindowTest, MissingLayoutGivesAnEmptyPage) {
    auto page = Page(host, Fixtures(), "nothere.lcd");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->ControlCount(), 0);
    EXPECT_EQ(GetWindow(page->Handle(), GW_CHILD), nullptr);
    RECT rc;
    GetWindowRect(page->Handle(), &rc);
    EXPECT_GT(rc.right - rc.left, 0);
    // Loading a real layout into the same window afterwards works as usual.
    page->LoadPage(Fixtures(), "navigation.lcd", 1, 5);
    EXPECT_EQ(page->ControlCount(), 10);
}

TEST_F(PageWindowTest, ReloadReplacesAllControls) {
    auto page = Page(host, Fixtures(), "navigation.lcd");
    ASSERT_TRUE(page);
    page->LoadPage(Fixtures(), "sizes.lcd", 0, 3);
    EXPECT_EQ(ChildIdsInCreationOrder(page->Handle()).size(), 8u);
    EXPECT_EQ(page->FindControlByIdName("IDC_NEXT"), -1);
    EXPECT_EQ(page->LayoutName(), "sizes.lcd");
    EXPECT_FALSE(page->HasFinish());
}

}  // namespace
