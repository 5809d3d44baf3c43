// The wizard walked through setup.exe's real page windows: Next and Back with
// the set-up types, the first page, the cancel question, Enter on a finishing
// page, a Run App button, and controls beyond the command range.
#include "support/layout_text.h"
#include "support/package_fixture.h"
#include "support/setup_run.h"
#include "support/wizard_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx::e2e {
namespace {

using std::chrono::milliseconds;

// A package whose DIALOGLIST lists these pages, each a small test layout.
std::string FlowPackage(const std::string& name, const std::vector<std::string>& pages,
                        std::map<std::string, std::string> layouts = {}, const std::string& extraSections = "") {
    std::string list = "TOTAL1=" + std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) list += "\r\nW" + std::to_string(i) + "=" + pages[i];
    std::string inf = MinimalSetupInf(extraSections);
    inf.replace(inf.find("TOTAL1=0"), 8, list);
    PlainPackage plain{inf, MinimalDataInf(), {}};
    std::vector<std::string> all = pages;
    all.push_back("complete.lcd");
    for (const auto& page : all) {
        std::string stem = page.substr(0, page.size() - 4);
        std::vector<ControlSpec> controls = WizardButtons();
        if (page == "setuptype.lcd") {
            controls.push_back({"IDC_TYPICAL", "RADIO", 20, 40, 120, 18, "Typical"});
            controls.push_back({"IDC_MINIMAL", "RADIO", 20, 60, 120, 18, "Minimal"});
            controls.push_back({"IDC_CUSTOM", "RADIO", 20, 80, 120, 18, "Custom"});
        }
        if (page == "complete.lcd")
            controls = {{"IDC_BACK", "BUTTON", 50, 170, 75, 23, "< Back"},
                        {"IDC_NEXT", "BUTTON", 130, 170, 75, 23, "Next >"},
                        {"IDC_FINISH", "BUTTON", 210, 170, 75, 23, "Finish"},
                        {"IDCANCEL", "BUTTON", 300, 170, 75, 23, "Cancel"}};
        plain.files["theme\\" + page] = layouts.count(page) ? layouts[page] : LayoutText(stem, controls);
    }
    return BuildTestPackage(name, plain);
}

int CountOf(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

struct TypeCase {
    const char* radio;
    bool skips;
};

class SetupTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(SetupTypes, NextSkipsOnePageAfterSetupTypeAndBackSkipsOnlyCustomSetup) {
    const bool skips = GetParam().skips;
    // "other.lcd" follows the set-up type page: Next skips it whatever its name.
    std::string package = FlowPackage(std::string("types_") + GetParam().radio,
                                      {"welcome.lcd", "setuptype.lcd", "other.lcd", "customsetup.lcd", "ready.lcd"});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "setuptype", page->hwnd));
    ASSERT_TRUE(Press(*page, GetParam().radio));
    ui::WaitUntil([] { return false; }, milliseconds(300));
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), skips ? "customsetup" : "other", page->hwnd));
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), skips ? "ready" : "customsetup", page->hwnd));
    if (skips) {
        // Back from ready passes over customsetup.lcd only.
        ASSERT_TRUE(Press(*page, "< Back"));
        ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "other", page->hwnd));
    } else {
        ASSERT_TRUE(Press(*page, "< Back"));
        ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "other", page->hwnd));
    }
    ASSERT_TRUE(Press(*page, "< Back"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "setuptype", page->hwnd));
    // Page entries are announced only on the way forward.
    EXPECT_EQ(CountOf(run.Monitor().Texts(), "HERE NO SHOW NEXT DIALOG"), 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetupTypes,
                         ::testing::Values(TypeCase{"Typical", true}, TypeCase{"Minimal", true},
                                           TypeCase{"Custom", false}),
                         [](const auto& info) { return std::string(info.param.radio); });

TEST(WizardFlow, BackOnTheFirstPageShowsItAgain) {
    std::vector<ControlSpec> first = WizardButtons();
    // Code 2 from any control means Back; the first page's own Back is disabled.
    first.push_back({"IDC_PREVIOUS", "BUTTON", 20, 170, 75, 23, "Previous", "[Do Nothing]", "", "2-Back"});
    std::string package = FlowPackage("firstback", {"welcome.lcd", "ready.lcd"},
                                      {{"welcome.lcd", LayoutText("welcome", first)}});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    auto back = ui::FindChildByText(page->hwnd, "< Back");
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->enabled);
    ASSERT_TRUE(Press(*page, "Previous"));
    auto again = WaitForPage(run.Process().Id(), "welcome", page->hwnd);
    ASSERT_TRUE(again) << "a new window of the first page";
    ASSERT_TRUE(Press(*again, "Next >"));
    EXPECT_TRUE(WaitForPage(run.Process().Id(), "ready", again->hwnd));
}

TEST(WizardFlow, ProgressRunsThenCompleteAndFinishEndsInOrder) {
    std::string package = FlowPackage("finish", {"welcome.lcd", "progress.lcd", "complete.lcd"});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Next >"));
    // The progress page starts the (empty) run by itself and the flow moves on.
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "complete", page->hwnd));
    auto texts = run.Monitor().Texts();
    for (const char* t : {"f1", "f2", "f3", "f4", "f5"}) EXPECT_EQ(CountOf(texts, t), 1) << t;
    ASSERT_TRUE(Press(*page, "Finish"));
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    texts = run.Monitor().Texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 4, texts.end()),
              (std::vector<std::string>{"z1", "z2", "timer 4", "SAI"}));
}

TEST(WizardFlow, ARunCutShortLeadsToCompleteAndFinishEnds) {
    // Entering ready.lcd ends the run: the condition holds and cancels the install.
    const std::string conditions =
        "[CONDITIONS]\r\nTOTAL=1\r\nA0=Stop\r\nB0=1\r\nC0===\r\nD0=1\r\nE0=ready.lcd\r\nF0=1\r\n"
        "00=CancelInstall();\r\n";
    std::string package = FlowPackage("cutshort", {"welcome.lcd", "ready.lcd", "other.lcd"}, {}, conditions);
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "complete", page->hwnd));
    EXPECT_EQ(CountOf(run.Monitor().Texts(), "SAINDO"), 1) << "ready.lcd is never shown";
    // Shown past the end of the list (index = count): a last page.
    EXPECT_FALSE(ui::FindChildByText(page->hwnd, "< Back")->enabled);
    EXPECT_FALSE(ui::FindChildByText(page->hwnd, "Cancel")->enabled);
    // Finish is obeyed after the run was cut short.
    ASSERT_TRUE(Press(*page, "Finish"));
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
}

TEST(WizardFlow, EnterActsOnlyOnAPageWithFinish) {
    std::string package = FlowPackage("enter", {"welcome.lcd", "complete.lcd"});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    // The dialog manager turns Enter into the page's OK command.
    PostMessageA(page->hwnd, WM_COMMAND, IDOK, 0);
    ui::WaitUntil([] { return false; }, milliseconds(1200));
    auto still = CurrentPage(run.Process().Id());
    ASSERT_TRUE(still);
    EXPECT_EQ(still->hwnd, page->hwnd);
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(page = WaitForPage(run.Process().Id(), "complete", page->hwnd));
    PostMessageA(page->hwnd, WM_COMMAND, IDOK, 0);
    // Half a second later the page reports Next, which past the list finishes.
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(CountOf(run.Monitor().Texts(), "z1"), 1);
}

TEST(WizardFlow, CancelDeclinedChangesNothing) {
    std::string package = FlowPackage("decline", {"welcome.lcd", "ready.lcd"});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Cancel"));
    HWND question = WaitForCancelQuestion(run.Process().Id());
    ASSERT_NE(question, nullptr);
    ui::ClickButton(ui::FindChildById(question, IDCANCEL)->hwnd);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(question); }, milliseconds(5000)));
    auto still = CurrentPage(run.Process().Id());
    ASSERT_TRUE(still);
    EXPECT_EQ(still->hwnd, page->hwnd);
    EXPECT_TRUE(ui::FindChildByText(page->hwnd, "Cancel")->enabled);
    EXPECT_TRUE(run.Process().Running());
    ASSERT_TRUE(Press(*page, "Next >"));
    EXPECT_TRUE(WaitForPage(run.Process().Id(), "ready", page->hwnd));
}

TEST(WizardFlow, CancelConfirmedEndsTheProcessAtOnce) {
    std::string package = FlowPackage("confirm", {"welcome.lcd", "ready.lcd"});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    // Escape takes the same path as the Cancel button.
    PostMessageA(page->hwnd, WM_COMMAND, IDCANCEL, 0);
    HWND question = WaitForCancelQuestion(run.Process().Id());
    ASSERT_NE(question, nullptr);
    ui::ClickButton(ui::FindChildById(question, IDOK)->hwnd);
    auto code = run.Process().WaitForExit(milliseconds(10000));
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, static_cast<DWORD>(STILL_ACTIVE)) << "ended at once with the code it had";
    EXPECT_EQ(CountOf(run.Monitor().Texts(), "z1"), 0) << "no finish actions";
}

TEST(WizardFlow, RunAppButtonStartsTheProgramAndStays) {
    std::vector<ControlSpec> controls = WizardButtons();
    controls[1].clickAction = "3 - Run App";
    controls[1].actionArgument = "<CurrentDirectory>touch_marker.exe";
    std::string inf = MinimalSetupInf();
    std::string package = FlowPackage("runapp", {"welcome.lcd", "ready.lcd"},
                                      {{"welcome.lcd", LayoutText("welcome", controls)}});
    WriteFileBytes(package + "touch_marker.exe", TouchMarkerProgram());
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(ui::WaitUntil([&] { return FileExists(package + "touch_marker.exe.ran"); }, milliseconds(10000)));
    ui::WaitUntil([] { return false; }, milliseconds(800));
    auto still = CurrentPage(run.Process().Id());
    ASSERT_TRUE(still);
    EXPECT_EQ(still->hwnd, page->hwnd);
    EXPECT_EQ(ReadFileBytes(package + "touch_marker.exe.ran"), "ran\n");
    EXPECT_EQ(CountOf(run.Monitor().Texts(), "HERE NO SHOW NEXT DIALOG"), 1);
}

TEST(WizardFlow, ControlsBeyondIdentifier3030SendNoCommands) {
    // 32 controls: INFO key 0 is created last and gets 3031, key 1 gets 3030.
    std::vector<ControlSpec> controls = {{"IDC_NEXT", "BUTTON", 20, 170, 75, 23, "Far Next"},
                                         {"IDC_NEXT", "BUTTON", 110, 170, 75, 23, "Near Next"},
                                         {"IDC_PAGENAME", "TEXT", 10, 10, 300, 20, "page:welcome"}};
    // Fillers of three kinds, so no kind runs past its 15 objects.
    const char* kinds[] = {"TEXT", "GROUPBOX", "RECT"};
    for (int i = 0; controls.size() < 32; ++i)
        controls.push_back({"IDC_FILL" + std::to_string(i), kinds[i % 3], 10 + (i % 10) * 30, 40 + (i / 10) * 25, 90,
                            25, ""});
    std::string package = FlowPackage("beyond", {"welcome.lcd", "ready.lcd"},
                                      {{"welcome.lcd", LayoutTextExactly(controls)}});
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    auto farNext = ui::FindChildByText(page->hwnd, "Far Next");
    ASSERT_TRUE(farNext);
    EXPECT_EQ(farNext->id, 3031);
    ui::ClickButton(farNext->hwnd);
    ui::WaitUntil([] { return false; }, milliseconds(1000));
    EXPECT_EQ(CurrentPage(run.Process().Id())->hwnd, page->hwnd);
    ASSERT_TRUE(Press(*page, "Near Next"));
    EXPECT_TRUE(WaitForPage(run.Process().Id(), "ready", page->hwnd));
}

}  // namespace
}  // namespace qx::e2e
