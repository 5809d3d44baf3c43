// The feature tree: a selection change shows the feature description and the
// feature menu, and the choice lands in the host's feature table and the
// item's image.
#include "setup/pages/feature_lookup.h"
#include "setup/pages/page_window.h"

#include "support/page_test_host.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using qx::pages::CImageWindow;
using pagetest::PageTestHost;

// Keys typed into the feature menu once it is up (run from a timer inside
// the menu's own message loop).
std::vector<WORD> g_menuKeys;
HWND g_keyTarget = nullptr;
bool g_menuSeen = false;

// Runs all through a test: a menu nobody asked for (a tree selecting its
// first item by itself) is dismissed instead of blocking the test.
void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR, DWORD) {
    static HWND answered = nullptr;
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) {
        answered = nullptr;
        return;
    }
    if (menu == answered) return;
    answered = menu;
    g_menuSeen = true;
    for (WORD key : g_menuKeys) {
        PostMessageA(g_keyTarget, WM_KEYDOWN, key, 1);
        PostMessageA(g_keyTarget, WM_KEYUP, key, 0xC0000001);
    }
}

class PageTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_menuKeys = {VK_ESCAPE};
        timer = SetTimer(nullptr, 0, 50, TypeIntoMenu);
        host.script = qx::IniText(
            "[SETUPTYPE]\nTOTAL=2\nFeatureName0=Program\nDescription0=The envelope program\n"
            "FeatureName1=Samples\nDescription1=Sample profiles\n");
        page = CImageWindow::Create(host, nullptr, pagetest::SourcePath("tests/fixtures/layouts") + "\\",
                                    "navigation.lcd", 1, 5, SW_SHOWNORMAL);
        ASSERT_TRUE(page);
        tree = page->ControlHandle(page->FindControlByIdName("IDC_TREE"));
        ASSERT_NE(tree, nullptr);
        g_keyTarget = tree;
        for (const char* name : {"Program", "Samples"}) {
            TVINSERTSTRUCTA insert{};
            insert.hParent = TVI_ROOT;
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT;
            insert.item.pszText = const_cast<char*>(name);
            items.push_back(reinterpret_cast<HTREEITEM>(
                SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
        }
        pagetest::PumpMessages(100);
    }
    void TearDown() override {
        page.reset();
        KillTimer(nullptr, timer);
    }

    // Selects an item as the keyboard would and answers the menu with keys.
    void Choose(int item, std::vector<WORD> keys) {
        g_menuKeys = std::move(keys);
        g_keyTarget = tree;
        g_menuSeen = false;
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[item]));
        pagetest::PumpMessages(100);
    }

    int Image(int item) {
        TVITEMA tv{};
        tv.mask = TVIF_HANDLE | TVIF_IMAGE;
        tv.hItem = items[item];
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        return tv.iImage;
    }

    PageTestHost host;
    std::unique_ptr<CImageWindow> page;
    HWND tree = nullptr;
    std::vector<HTREEITEM> items;
    UINT_PTR timer = 0;
};

TEST_F(PageTreeTest, TreeCarriesTheFeatureImages) {
    HIMAGELIST normal = TreeView_GetImageList(tree, TVSIL_NORMAL);
    ASSERT_NE(normal, nullptr);
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_STATE), normal);
    EXPECT_EQ(ImageList_GetImageCount(normal), 2);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(normal, &cx, &cy);
    EXPECT_EQ(cx, 32);
    EXPECT_EQ(cy, 16);
}

TEST_F(PageTreeTest, MenuChoicesSetTheFeatureState) {
    struct Case { int item; std::vector<WORD> keys; int state; int image; const char* info; };
    const Case cases[] = {
        {1, {VK_DOWN, VK_DOWN, VK_RETURN}, qx::pages::kFeatureNotSelected, 1, "Sample profiles"},
        {0, {VK_DOWN, VK_RETURN}, qx::pages::kFeatureSelected, 0, "The envelope program"},
    };
    for (const auto& c : cases) {
        host.featureStates.clear();
        host.featureInfo.clear();
        Choose(c.item, c.keys);
        ASSERT_TRUE(g_menuSeen) << c.item;
        ASSERT_EQ(host.featureInfo.size(), 1u);
        EXPECT_EQ(host.featureInfo[0], c.info);
        ASSERT_EQ(host.featureStates.size(), 1u) << c.item;
        EXPECT_EQ(host.featureStates[0].first, c.item ? "Samples" : "Program");
        EXPECT_EQ(host.featureStates[0].second, c.state);
        EXPECT_EQ(Image(c.item), c.image);
    }
}

TEST_F(PageTreeTest, DismissedMenuChangesNothing) {
    Choose(1, {VK_ESCAPE});
    ASSERT_TRUE(g_menuSeen);
    EXPECT_TRUE(host.featureStates.empty());
    EXPECT_EQ(host.featureInfo.size(), 1u);  // the description still shows
    EXPECT_EQ(Image(1), 0);
}

}  // namespace
