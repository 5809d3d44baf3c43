#include "setup/pages/layout_reader.h"

#include "setup/base/ini_text.h"
#include "setup/pages/layout_limits.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qx::pages {
namespace {

const char* kPath = "C:\\pkg\\theme\\page.lcd";

// Builds a layout text with one INFO record per control and the properties
// under record number 3000 + key, as the page designer writes them.
struct LayoutText {
    std::ostringstream info, dados;
    std::string window = "[MAINWINDOW]\ncaption=Page\n";
    int total = 0;
    void Add(const std::string& record, const std::vector<std::string>& props = {}, int key = -1) {
        if (key < 0) key = total++;
        info << key << "=" << record << "," << 3000 + key << "\n";
        dados << 3000 + key << ",t=" << props.size() << "\n";
        for (std::size_t p = 0; p < props.size(); ++p) dados << 3000 + key << "," << p << "=" << props[p] << "\n";
    }
    PageLayout Read(int totalOverride = -1) const {
        std::ostringstream all;
        all << window << "[INFO]\nTOTAL=" << (totalOverride < 0 ? total : totalOverride) << "\n"
            << info.str() << "[DADOS]\n" << dados.str();
        return ReadLayout(IniText(all.str()), kPath);
    }
};

std::vector<int> Ids(const PageLayout& page) {
    std::vector<int> ids;
    for (const auto& c : page.controls) ids.push_back(c.windowId);
    return ids;
}

TEST(LayoutReader, MissingFileGivesEmptyPage) {
    PageLayout page = ReadLayout(IniText(), kPath);
    EXPECT_TRUE(page.controls.empty());
    EXPECT_EQ(page.window.widthPixels, 0);
    EXPECT_EQ(page.window.caption, "");
}

TEST(LayoutReader, WindowSettings) {
    IniText file(
        "[MAINWINDOW]\nidcname=IDD_WELCOME\ncaption=Welcome <ProductName>\nbkimage={back.bmp}\n"
        "width=503px\nheight=abc\nsoundfile={s}.wav\nfontbold=No\nfontsize=9\n");
    PageLayout page = ReadLayout(file, kPath);
    EXPECT_EQ(page.window.idcname, "IDD_WELCOME");
    EXPECT_EQ(page.window.caption, "Welcome <ProductName>");
    EXPECT_EQ(page.window.bkimage, "back.bmp");  // braces go, no folder
    EXPECT_EQ(page.window.soundfile, "s.wav");
    EXPECT_EQ(page.window.widthPixels, 503);
    EXPECT_EQ(page.window.heightPixels, 0);
    EXPECT_EQ(page.window.fontsize, "9");
}

TEST(LayoutReader, ControlsAreNumberedFromTheLastKeyDown) {
    LayoutText t;
    t.Add("0,10,10,100,30,BUTTON,,", {"Name|IDC_A|0"});
    t.Add("0,10,50,100,30,TEXT,,");
    t.Add("0,10,90,100,30,BUTTON,,");
    PageLayout page = t.Read();
    ASSERT_EQ(page.controls.size(), 3u);
    EXPECT_EQ(Ids(page), (std::vector<int>{3002, 3001, 3000}));
    EXPECT_EQ(page.controls[0].key, 0);
    EXPECT_EQ(page.controls[0].idName, "IDC_A");
    EXPECT_EQ(page.controls[0].poolIndex, 1);
    EXPECT_EQ(page.controls[2].idName, "IDC_BUTTON1");
    EXPECT_EQ(page.controls[2].defaultText, "Button 1");
    EXPECT_EQ(page.controls[1].idName, "IDC_STATIC1");
    EXPECT_EQ(page.controls[1].creationNumber, 1);
}

TEST(LayoutReader, SizeRules) {
    struct Case { const char* record; Rect expected; };
    const Case cases[] = {
        {"0,5,6,20,5,BUTTON,,", {5, 6, 95, 31}},
        {"0,5,6,20,30,BUTTON,,", {5, 6, 25, 36}},
        {"0,5,6,40,5,BUTTON,,", {5, 6, 45, 11}},
        {"0,5,6,20,9,BUTTON,,", {5, 6, 95, 31}},
        {"0,5,6,20,9,TEXT,,", {5, 6, 25, 15}},
        {"0,5,6,20,7,TEXT,,", {5, 6, 95, 31}},
        {"0,5,6,20,7,PROGRESS,,", {5, 6, 95, 31}},
        {"0,50,60,300,200,RECT,,", {0, 0, 100, 100}},
        {"0,50,60,300,200,ICON,,", {50, 60, 82, 92}},
        {"0,50,60,3,2,ICON,,", {50, 60, 82, 92}},
        {"0,50,60,3,2,BITMAP,,", {50, 60, 53, 62}},
        {"0,x,,,,HOTSPOT,,", {0, 0, 90, 25}},
    };
    for (const auto& c : cases) {
        LayoutText t;
        t.Add(c.record);
        PageLayout page = t.Read();
        ASSERT_EQ(page.controls.size(), 1u) << c.record;
        EXPECT_EQ(page.controls[0].rect, c.expected) << c.record;
    }
}

TEST(LayoutReader, UnknownAndReservedTypesCreateNothing) {
    LayoutText t;
    t.Add("0,1,1,50,50,IMAGE,,", {"IDC_X|a|0"});
    t.Add("0,1,1,50,50,WINDOW,,");
    t.Add("0,1,1,50,50,button,,");
    t.Add("0,1,1,50,50,,,");
    t.Add("0,1,1,50,50,TEXT,,");
    PageLayout page = t.Read();
    ASSERT_EQ(page.controls.size(), 1u);
    EXPECT_EQ(page.controls[0].windowId, 3000);
    EXPECT_EQ(page.controls[0].key, 4);
    EXPECT_EQ(page.skippedRecords, 0);
}

TEST(LayoutReader, TotalLimitsTheKeysRead) {
    LayoutText t;
    for (int i = 0; i < 4; ++i) t.Add("0,1,1,50,50,TEXT,,");
    EXPECT_EQ(t.Read(2).controls.size(), 2u);
    EXPECT_EQ(t.Read(0).controls.size(), 0u);
    // Gaps in the keys and a huge TOTAL are read without visiting every number.
    LayoutText gaps;
    gaps.Add("0,1,1,50,50,TEXT,,", {}, 0);
    gaps.Add("0,1,1,50,50,TEXT,,", {}, 7);
    PageLayout page = gaps.Read(2000000000);
    ASSERT_EQ(page.controls.size(), 2u);
    EXPECT_EQ(page.controls[0].key, 0);
    EXPECT_EQ(page.controls[0].windowId, 3001);
}

TEST(LayoutReader, ExcessOfOneTypeIsSkipped) {
    LayoutText t;
    for (int i = 0; i < 17; ++i) t.Add("0,1,1,50,50,BUTTON,,");
    t.Add("0,1,1,50,50,TEXT,,");
    PageLayout page = t.Read();
    ASSERT_EQ(page.controls.size(), static_cast<std::size_t>(kPoolSize + 1));
    EXPECT_EQ(page.skippedRecords, 2);
    // Keys 0 and 1 come last in creation order, so they are the ones refused.
    EXPECT_EQ(page.controls[0].key, 2);
    EXPECT_EQ(page.controls.back().idName, "IDC_STATIC1");
    EXPECT_EQ(page.controls[0].idName, "IDC_BUTTON15");
}

TEST(LayoutReader, BitmapAndHoverShareOnePool) {
    LayoutText t;
    for (int i = 0; i < 8; ++i) t.Add("0,1,1,50,50,BITMAP,{a.bmp},");
    for (int i = 0; i < 8; ++i) t.Add("0,1,1,50,50,HOVER,b.bmp,");
    PageLayout page = t.Read();
    EXPECT_EQ(page.controls.size(), 15u);
    EXPECT_EQ(page.controls.back().idName, "IDC_HOVER1");
    EXPECT_EQ(page.controls[0].idName, "IDB_BITMAP15");
    EXPECT_EQ(page.controls[0].key, 1);
    EXPECT_EQ(page.controls.back().text, "C:\\pkg\\theme\\b.bmp");
    EXPECT_EQ(page.controls[0].text, "C:\\pkg\\theme\\a.bmp");
}

TEST(LayoutReader, AtMostSixtyNineControls) {
    LayoutText t;
    const char* types[] = {"BUTTON", "TEXT", "TEXTBOX", "RADIO", "CHECKBOX"};
    for (int i = 0; i < 75; ++i) t.Add(std::string("0,1,1,50,50,") + types[i % 5] + ",,");
    PageLayout page = t.Read();
    ASSERT_EQ(page.controls.size(), static_cast<std::size_t>(kMaxControls));
    EXPECT_EQ(page.skippedRecords, 6);
    EXPECT_EQ(page.controls.front().windowId, 3000 + kMaxControls - 1);
    EXPECT_EQ(page.controls.back().windowId, 3000);
    EXPECT_EQ(page.controls.front().key, 6);
}

TEST(LayoutReader, PropertyCountLimit) {
    struct Case { int count; std::size_t expected; };
    for (Case c : {Case{15, 15}, Case{16, 0}, Case{0, 0}, Case{-1, 0}, Case{3, 3}}) {
        std::string text = "[INFO]\nTOTAL=1\n0=0,1,1,50,50,TEXT,,,3000\n[DADOS]\n3000,t=" + std::to_string(c.count) + "\n";
        for (int i = 0; i < 20; ++i) text += "3000," + std::to_string(i) + "=L" + std::to_string(i) + "|v|0\n";
        PageLayout page = ReadLayout(IniText(text), kPath);
        ASSERT_EQ(page.controls.size(), 1u);
        EXPECT_EQ(page.controls[0].properties.size(), c.expected) << c.count;
    }
}

TEST(LayoutReader, IdNameClickActionAndBraces) {
    LayoutText t;
    t.Add("0,1,1,50,50,BUTTON,,",
          {"Name|IDC_NEXT|0", "Caption|&Next >|0", "|", "Font|Tahoma|0", "Size|8|0", "Bold|No|0", "Italic|No|0",
           "Action|3 - Run App|0", "Argument|{readme.txt}|0", "On Click|1 - Next|0"});
    t.Add("0,1,1,50,50,GROUPBOX,,", {"Name|IDC_NOTANAME|0", "Caption|Options|0"});
    t.Add("0,1,1,50,50,TEXTBOX,,", {"Name||0"});
    t.Add("0,1,1,50,50,BUTTON,,", {"Name|IDC_BACK|0"});
    PageLayout page = t.Read();
    ASSERT_EQ(page.controls.size(), 4u);
    const ControlRecord& next = page.controls[0];
    EXPECT_EQ(next.idName, "IDC_NEXT");
    EXPECT_EQ(next.clickAction, "3 - Run App");
    EXPECT_EQ(next.actionArgument, "C:\\pkg\\theme\\readme.txt");
    EXPECT_EQ(next.actionNumber, 1);
    EXPECT_EQ(next.Value(1), "&Next >");
    // Position 0 of a group box is not its id name.
    EXPECT_EQ(page.controls[1].idName, "IDC_GROUPBOX1");
    // An empty property 0 gives an empty id name.
    EXPECT_EQ(page.controls[2].idName, "");
    EXPECT_EQ(page.controls[3].clickAction, "[Do Nothing]");
    EXPECT_EQ(page.controls[3].actionArgument, "");
    EXPECT_EQ(page.controls[3].actionNumber, -1);
}

}  // namespace
}  // namespace qx::pages
