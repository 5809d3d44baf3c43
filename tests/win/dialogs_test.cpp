// The question, error, message and wait dialogs, opened for real: their
// texts, buttons and results as a user sees and uses them.
#include "setup/controller/globals.h"
#include "setup/dialogs/cancel_setup.h"
#include "setup/dialogs/dialog_texts.h"
#include "setup/dialogs/error_setup.h"
#include "setup/dialogs/msg_box.h"
#include "tools/ui_driver/ui_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <future>

namespace qx {
namespace {

using std::chrono::milliseconds;

std::string WriteLanguageFile(const std::string& name, const std::string& text) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_LanguageFile = WriteLanguageFile("qx_dialogs_test.lan",
                                           "[CancelSetup]\r\n0=Cancel the [ProductName] set-up?\r\n1=No\r\n2=Yes\r\n"
                                           "[SetupError]\r\n3=Close [ProductName]\r\n");
        SetDialogTextExpander([](const std::string& t) {
            std::string out = t;
            std::size_t p;
            while ((p = out.find("<ProductName>")) != std::string::npos) out.replace(p, 13, "Trombela");
            return out;
        });
    }
    void TearDown() override { SetDialogTextExpander(nullptr); }

    // The dialog of this process with the caption, once it is shown.
    static HWND WaitForDialog(const std::string& caption) {
        auto w = ui::WaitForWindow(GetCurrentProcessId(),
                                   [&](const ui::WindowInfo& i) { return i.className == "#32770" && i.text == caption; },
                                   milliseconds(5000));
        return w ? w->hwnd : nullptr;
    }
};

struct CancelCase {
    int mode;
    const char* message;
    const char* text;
    const char* cancelCaption;
    bool okShown;
};

TEST_F(DialogTest, CancelSetupModesShowTheirTextsAndButtons) {
    const CancelCase cases[] = {
        {kCancelQuestion, "ignored", "Cancel the Trombela set-up?", "No", true},
        {kYesNoQuestion, "Restart now? [ProductName]", "Restart now? [ProductName]", "No", true},
        {kErrorReport, "Not enough memory.", "Not enough memory.", "Close Trombela", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        auto result = std::async(std::launch::async, [&] {
            CCancelSetup box;
            box.m_Mode = c.mode;
            box.m_Message = c.message;
            return box.DoModal(nullptr);
        });
        HWND dlg = WaitForDialog("Morvaine Quendrix");
        ASSERT_NE(dlg, nullptr);
        auto text = ui::FindChildById(dlg, 1000);
        auto ok = ui::FindChildById(dlg, IDOK);
        auto cancel = ui::FindChildById(dlg, IDCANCEL);
        ASSERT_TRUE(text && ok && cancel);
        EXPECT_EQ(text->text, c.text);
        EXPECT_EQ(cancel->text, c.cancelCaption);
        EXPECT_EQ(ok->visible, c.okShown);
        if (c.okShown) {
            EXPECT_EQ(ok->text, "Yes");
        }
        // Template 142 is 248 x 75 dialog units.
        RECT units = {0, 0, 248, 75}, client;
        MapDialogRect(dlg, &units);
        GetClientRect(dlg, &client);
        EXPECT_EQ(client.right, units.right);
        EXPECT_EQ(client.bottom, units.bottom);
        ui::ClickButton(c.okShown ? ok->hwnd : cancel->hwnd);
        ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        EXPECT_EQ(result.get(), c.okShown ? IDOK : IDCANCEL);
    }
}

TEST_F(DialogTest, CancelSetupWithoutLanguageSectionIsEmpty) {
    g_LanguageFile = WriteLanguageFile("qx_dialogs_empty.lan", "[Other]\r\nx=1\r\n");
    auto result = std::async(std::launch::async, [] { return CCancelSetup().DoModal(nullptr); });
    HWND dlg = WaitForDialog("Morvaine Quendrix");
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ui::FindChildById(dlg, 1000)->text, "");
    EXPECT_EQ(ui::FindChildById(dlg, IDOK)->text, "");
    EXPECT_EQ(ui::FindChildById(dlg, IDCANCEL)->text, "");
    ui::ClickButton(ui::FindChildById(dlg, IDCANCEL)->hwnd);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(result.get(), IDCANCEL);
}

struct ErrorCase {
    const char* name;
    int mode;
    int press;  // button id, or 0 for Escape, -1 for the close box
    int expected;
};

TEST_F(DialogTest, ErrorSetupResultsFromAWorkerThread) {
    const ErrorCase cases[] = {
        {"retry", 0, 1001, kRetry}, {"ignore", 0, 1002, kIgnore}, {"cancel", 0, IDCANCEL, kCancel},
        {"escape", 0, 0, kCancel},  {"close", 0, -1, kCancel},    {"only cancel", 255, IDCANCEL, kCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto result = std::async(std::launch::async, [&] {
            CErrorSetup box;
            box.m_Mode = c.mode;
            box.m_Message = "Cannot copy C:\\x\\trombela.exe";
            box.DoModal(nullptr);
            return box.m_Result;
        });
        HWND dlg = WaitForDialog("Morvaine Quendrix");
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(ui::FindChildById(dlg, 1000)->text, "Cannot copy C:\\x\\trombela.exe");
        EXPECT_EQ(ui::FindChildById(dlg, 1001)->visible, c.mode != 255);
        EXPECT_EQ(ui::FindChildById(dlg, 1002)->visible, c.mode != 255);
        EXPECT_TRUE(ui::FindChildById(dlg, IDCANCEL)->visible);
        if (c.press > 0) ui::ClickButton(ui::FindChildById(dlg, c.press)->hwnd);
        else if (c.press == 0) PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);  // what the dialog manager makes of Escape
        else PostMessageA(dlg, WM_CLOSE, 0, 0);
        ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        EXPECT_EQ(result.get(), c.expected);
    }
}

TEST_F(DialogTest, EscapeKeyOnErrorSetupCancels) {
    auto result = std::async(std::launch::async, [] {
        CErrorSetup box;
        box.m_Message = "x";
        box.DoModal(nullptr);
        return box.m_Result;
    });
    HWND dlg = WaitForDialog("Morvaine Quendrix");
    ASSERT_NE(dlg, nullptr);
    HWND retry = ui::FindChildById(dlg, 1001)->hwnd;
    // The key goes to the focused button and through the dialog manager.
    PostMessageA(retry, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(retry, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(result.get(), kCancel);
}

TEST_F(DialogTest, MessageBoxShowsTheTextAndCloses) {
    auto result = std::async(std::launch::async, [] {
        CMsg msg;
        msg.m_Message = "Trombela needs a printer.";
        return msg.DoModal(nullptr);
    });
    HWND dlg = WaitForDialog("Quendrix");
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ui::FindChildById(dlg, 1000)->text, "Trombela needs a printer.");
    ui::ClickButton(ui::FindChildById(dlg, IDOK)->hwnd);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(result.get(), IDOK);
}

TEST_F(DialogTest, WaitWindowShowsUntilClosedByMessage) {
    CWait wait;
    ASSERT_TRUE(wait.Create(nullptr));
    HWND w = wait.Hwnd();
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(ui::FindChildByText(w, "Please Wait, Retrieving System Information..."));
    SendMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
}

}  // namespace
}  // namespace qx
