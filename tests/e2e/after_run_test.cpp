// What follows the (still empty) installation run: silent packages that show
// no page and end by themselves, and merge modules run while the 3rdparty page
// shows.
#include "support/layout_text.h"
#include "support/package_fixture.h"
#include "support/setup_run.h"
#include "support/wizard_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx::e2e {
namespace {

using std::chrono::milliseconds;

bool Before(const std::vector<std::string>& texts, const std::string& a, const std::string& b) {
    auto ia = std::find(texts.begin(), texts.end(), a), ib = std::find(texts.begin(), texts.end(), b);
    return ia != texts.end() && ib != texts.end() && ia < ib;
}

std::string WithPages(std::string inf, const std::vector<std::string>& pages) {
    std::string list = "TOTAL1=" + std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) list += "\r\nW" + std::to_string(i) + "=" + pages[i];
    return inf.replace(inf.find("TOTAL1=0"), 8, list);
}

TEST(AfterRun, SilentPackageShowsNoPageAndEndsByItself) {
    std::string inf = WithPages(MinimalSetupInf(), {"welcome.lcd", "complete.lcd"});
    inf.replace(inf.find("[BUILDING]\r\n"), 12, "[BUILDING]\r\n2=Yes\r\n");
    PlainPackage plain{inf, MinimalDataInf(), {}};
    for (const char* page : {"welcome.lcd", "complete.lcd", "progress.lcd"})
        plain.files[std::string("theme\\") + page] = LayoutText(page, WizardButtons());
    SetupRun run(BuildTestPackage("silent", plain));
    ASSERT_TRUE(run.Started());
    auto code = run.Process().WaitForExit(milliseconds(20000));
    ASSERT_TRUE(code) << "a silent run ends without help";
    EXPECT_EQ(*code, 0u);
    auto texts = run.Monitor().Texts();
    // The hidden progress page starts the run; the finish actions follow at once.
    EXPECT_TRUE(Before(texts, "14", "f1"));
    EXPECT_TRUE(Before(texts, "f3", "z1"));
    EXPECT_TRUE(Before(texts, "z2", "f4"));
    EXPECT_TRUE(Before(texts, "f5", "timer 4"));
    EXPECT_EQ(texts.back(), "SAI");
    // Only the page after the run is announced; welcome.lcd never shows.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "HERE NO SHOW NEXT DIALOG"), 1);
}

TEST(AfterRun, MergeModulesRunWhileTheThirdPartyPageShows) {
    std::string inf = WithPages(MinimalSetupInf("[MERGEMODULES]\r\nTOTAL=1\r\nC0=<ResourceDir>\\touch_marker.exe\r\n"
                                                "D0=\r\nE0=65535\r\nF0=\r\nG0=No Condition\r\n"),
                                {"welcome.lcd", "progress.lcd", "complete.lcd"});
    PlainPackage plain{inf, MinimalDataInf(), {{"SupportFiles\\touch_marker.exe", TouchMarkerProgram()}}};
    for (const char* page : {"welcome.lcd", "progress.lcd", "complete.lcd", "3rdparty.lcd"})
        plain.files[std::string("theme\\") + page] =
            LayoutText(std::string(page).substr(0, std::string(page).size() - 4), WizardButtons());
    std::string package = BuildTestPackage("mergemodules", plain);
    SetupRun run(package);
    auto page = WaitForPage(run.Process().Id(), "welcome");
    ASSERT_TRUE(page);
    ASSERT_TRUE(Press(*page, "Next >"));
    ASSERT_TRUE(WaitForPage(run.Process().Id(), "3rdparty", page->hwnd)) << "the merge-module page shows";
    ASSERT_TRUE(run.Monitor().WaitForText("w3", milliseconds(15000)));
    EXPECT_EQ(ReadFileBytes(package + "SupportFiles\\touch_marker.exe.ran"), "ran\n");
    auto texts = run.Monitor().Texts();
    EXPECT_TRUE(Before(texts, "f2", "w1"));
    EXPECT_FALSE(Before(texts, "f2", "f3")) << "the run hands over to the modules";
    EXPECT_TRUE(Before(texts, "w1", "w2"));
    EXPECT_TRUE(Before(texts, "w2", "w3"));
    // Then the next page of the list.
    EXPECT_TRUE(WaitForPage(run.Process().Id(), "complete"));
}

}  // namespace
}  // namespace qx::e2e
