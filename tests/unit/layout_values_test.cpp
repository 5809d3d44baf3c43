#include "setup/pages/layout_values.h"

#include <gtest/gtest.h>

namespace qx::pages {
namespace {

TEST(LayoutFlags, TwoYesNoConventions) {
    struct Case { const char* value; bool onUnlessNo; bool onOnlyIfYes; };
    const Case cases[] = {
        {"Yes", true, true}, {"No", false, false}, {"", true, false},
        {"yes", true, false}, {"no", true, false}, {"No ", true, false}, {"Yes please", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OnUnlessNo(c.value), c.onUnlessNo) << '"' << c.value << '"';
        EXPECT_EQ(OnOnlyIfYes(c.value), c.onOnlyIfYes) << '"' << c.value << '"';
    }
}

TEST(LayoutColours, ButtonFaceLiteralAndEmptyBecomeCurrentComponents) {
    const Rgb face{212, 208, 200};
    EXPECT_EQ(NormaliseColour("COLOR_BTNFACE", face), "212,208,200");
    EXPECT_EQ(NormaliseColour("", face), "212,208,200");
    EXPECT_EQ(NormaliseColour("color_btnface", face), "color_btnface");
    EXPECT_EQ(NormaliseColour("1,2,3", face), "1,2,3");
}

TEST(LayoutColours, ComponentsAreReadBetweenCommas) {
    struct Case { const char* text; Rgb expected; };
    const Case cases[] = {
        {"255,255,255", {255, 255, 255}},
        {"10,20,30", {10, 20, 30}},
        {" 10, 20 ,30", {10, 20, 30}},
        {"10,20", {10, 20, 0}},
        {"10", {10, 0, 0}},
        {"", {0, 0, 0}},
        {"red,green,blue", {0, 0, 0}},
        {"300,-4,99999999999", {255, 0, 255}},
        {"1,2,3,4", {1, 2, 3}},
        {"0 - Button Face", {0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseColour(c.text), c.expected) << c.text;
}

TEST(LayoutFiles, BracedValuesNameFilesBesideTheLayout) {
    struct Case { const char* value; const char* expected; };
    const Case cases[] = {
        {"{logo.bmp}", "C:\\pkg\\logo.bmp"},
        {"logo.bmp", "logo.bmp"},
        {"{sub}\\{a}.bmp", "C:\\pkg\\sub\\a.bmp"},
        {"no open}", "no open}"},
        {"{", "C:\\pkg\\"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplyBraceRule(c.value, "C:\\pkg\\"), c.expected) << c.value;
    EXPECT_EQ(FolderOf("C:\\pkg\\theme\\welcome.lcd"), "C:\\pkg\\theme\\");
    EXPECT_EQ(FolderOf("welcome.lcd"), "");
    EXPECT_EQ(RemoveBraces("{a}{b}}"), "ab");
}

TEST(LayoutRecords, SplitKeepsEmptyFieldsAndStopsAtTwenty) {
    EXPECT_EQ(SplitRecord("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitRecord(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitRecord(","), (std::vector<std::string>{"", ""}));
    std::string many;
    for (int i = 0; i < 30; ++i) many += std::to_string(i) + ",";
    auto fields = SplitRecord(many);
    ASSERT_EQ(fields.size(), 20u);
    EXPECT_EQ(fields[19], "19");
}

TEST(LayoutProperties, LabelValueKind) {
    struct Case { const char* text; const char* label; const char* value; int kind; };
    const Case cases[] = {
        {"Caption|Next|0", "Caption", "Next", 0},
        {"Caption|Next|7", "Caption", "Next", 7},
        {"Text|a|1|2", "Text", "a", 12},
        {"Text||3", "Text", "", 3},
        {"OnlyLabel|5", "OnlyLabel", "", 5},
        {"OnlyLabel|", "OnlyLabel", "", 0},
        {"42", "", "", 42},
        {"no bars", "", "", 0},
        {"", "", "", 0},
        {"|||", "", "", 0},
        {"Caption|Next|x", "Caption", "Next", 0},
    };
    for (const auto& c : cases) {
        Property p = ParseProperty(c.text);
        EXPECT_EQ(p.label, c.label) << c.text;
        EXPECT_EQ(p.value, c.value) << c.text;
        EXPECT_EQ(p.kind, c.kind) << c.text;
    }
}

TEST(LayoutClicks, ActionNumberFromClickProperties) {
    using P = std::vector<Property>;
    struct Case { const char* name; P props; int expected; };
    const Case cases[] = {
        {"none", P{{"Caption", "Next", 0}}, -1},
        {"run app", P{{"On Click", "3 - Run App", 0}}, 3},
        {"mouse click", P{{"Mouse Click", "1 - Next", 0}}, 1},
        {"no dash", P{{"On Click", "Next", 0}}, 0},
        {"empty", P{{"On Click", "", 0}}, -1},
        {"last counts", P{{"On Click", "1 - a", 0}, {"Mouse Click", "2 - b", 0}}, 2},
        {"empty wins", P{{"On Click", "", 0}, {"Mouse Click", "2 - b", 0}}, -1},
        {"empty after", P{{"On Click", "2 - b", 0}, {"On Click", "", 0}}, -1},
        {"label exact", P{{"on click", "2 - b", 0}, {"On Click ", "3 - c", 0}}, -1},
        {"dash first", P{{"On Click", "-5", 0}}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ActionNumber(c.props), c.expected) << c.name;
}

TEST(LayoutPlacement, StartupCodeFromFirstTwoCharacters) {
    struct Case { const char* startup; Placement expected; };
    const Case cases[] = {
        {"", Placement::Center},       {"0 - Center", Placement::Center},
        {"1 - Manual", Placement::Keep}, {"2 - Top Left", Placement::TopLeft},
        {"3", Placement::TopRight},    {"4 - x", Placement::BottomLeft},
        {"5 - y", Placement::BottomRight}, {"15", Placement::Keep},
        {"52", Placement::Keep},       {"abc", Placement::Center},
        {"6", Placement::Keep},        {"-3", Placement::Keep},
    };
    for (const auto& c : cases) EXPECT_EQ(PlacementFromStartup(c.startup), c.expected) << c.startup;
}

TEST(LayoutPlacement, CornersAndCaptionCorrection) {
    EXPECT_EQ(EffectiveHeight(400, 18), 393);
    EXPECT_EQ(EffectiveHeight(400, 24), 399);
    EXPECT_EQ(EffectiveHeight(400, 25), 400);
    EXPECT_EQ(EffectiveHeight(400, 30), 400);
    struct Case { Placement p; int x, y; };
    const Case cases[] = {
        {Placement::Center, 340, 262}, {Placement::TopLeft, 0, 0}, {Placement::TopRight, 680, 0},
        {Placement::BottomLeft, 0, 489}, {Placement::BottomRight, 680, 489}, {Placement::Keep, 7, 9},
    };
    for (const auto& c : cases) {
        Point at = PlaceWindow(c.p, 1280, 1024, 600, 500, {7, 9});
        EXPECT_EQ(at.x, c.x) << static_cast<int>(c.p);
        EXPECT_EQ(at.y, c.y) << static_cast<int>(c.p);
    }
}

TEST(LayoutText, AlignmentAndBuiltInIcons) {
    EXPECT_EQ(AlignmentFromValue("0"), Alignment::Center);
    EXPECT_EQ(AlignmentFromValue("1 - Left"), Alignment::Left);
    EXPECT_EQ(AlignmentFromValue("2"), Alignment::Right);
    EXPECT_EQ(AlignmentFromValue("3"), Alignment::Unchanged);
    EXPECT_EQ(AlignmentFromValue(""), Alignment::Unchanged);
    EXPECT_EQ(AlignmentFromValue(" 1"), Alignment::Unchanged);

    struct Case { const char* value; int expected; };
    const Case cases[] = {
        {"IDI_EXCLAMATION", 0}, {"IDI_INFO", 1}, {"IDI_ERROR", 2}, {"IDI_TYPICAL", 3},
        {"IDI_MINIMAL", 4}, {"IDI_CUSTOM", 5}, {"IDI_SETUP", 6}, {"IDI_FOLDER", 7},
        {"IDI_info", -1}, {"IDIOT.ico", -1}, {"C:\\pkg\\IDI_INFO.ico", kNotBuiltInIcon},
        {"", kNotBuiltInIcon}, {"ID", kNotBuiltInIcon},
    };
    for (const auto& c : cases) EXPECT_EQ(BuiltInIconNumber(c.value), c.expected) << c.value;
}

TEST(LayoutLists, OnlyTerminatedLinesAreEntries) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ListFileEntries("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(ListFileEntries("a\r\n\r\nb"), (V{"a", ""}));
    EXPECT_EQ(ListFileEntries("a\nb\n"), V{});
    EXPECT_EQ(ListFileEntries(""), V{});
}

}  // namespace
}  // namespace qx::pages
