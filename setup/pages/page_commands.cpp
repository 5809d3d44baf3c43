// What a click, Enter, Escape or the close box does on a page: the control's
// own click action, the behaviours bound to id names, or a report to the
// controller, which moves the wizard on.
#include "setup/dialogs/cancel_setup.h"
#include "setup/pages/click_action.h"
#include "setup/pages/layout_limits.h"
#include "setup/pages/page_window.h"

#include <shellapi.h>

namespace qx::pages {

namespace {

constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT_PTR kFinishTimer = 2;

bool EndsPage(const std::string& idName) {
    return idName == "IDC_BACK" || idName == "IDC_NEXT" || idName == "IDCANCEL";
}

}  // namespace

void CImageWindow::OnControlClicked(int windowId) {
    const int position = ListPositionOf(windowId);
    if (position < 0) return;
    // A copy: the controller may replace this page while the report runs.
    const ControlRecord record = controls_[static_cast<std::size_t>(position)];

    if (record.idName == "IDCANCEL") {
        RunCancelPath();
        return;
    }
    if (record.type == ControlType::CheckBox) {
        HWND box = ControlHandle(windowId);
        const bool set = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(box, BM_SETCHECK, set ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    switch (ParseClickAction(record.clickAction)) {
    case ClickAction::CloseWindow:
        RunCancelPath();
        return;
    case ClickAction::MinimizeWindow:
        ShowWindow(hwnd_, SW_MINIMIZE);
        return;
    case ClickAction::RunApp:
        RunApp(record.actionArgument);
        return;
    case ClickAction::RunAppAndClose:
        RunApp(record.actionArgument);
        RunCancelPath();
        return;
    case ClickAction::None:
        break;
    }
    if (RunIdNameBehaviour(record)) return;

    if (record.idName == "IDC_FINISH") ShowWindow(hwnd_, SW_HIDE);
    const std::string layout = layoutName_;
    host_.OnPageCommand(windowId, position, record.actionNumber, record.idName, this, layout);
    if (EndsPage(record.idName)) EndPage();
    if (record.idName == "IDC_SETLANGUAGE") ChooseLanguage();
}

// The behaviours bound to well-known id names; true when one consumed the click.
bool CImageWindow::RunIdNameBehaviour(const ControlRecord& record) {
    const std::string& id = record.idName;
    if (id == "IDC_BROWSE") return host_.RunPageBehaviour(*this, id);
    if (id == "IDC_ACCEPTLICENSE" || id == "IDC_NOTACCEPTLICENSE") {
        SetLicenceAccepted(id == "IDC_ACCEPTLICENSE");
        return true;
    }
    if (id == "IDC_ANYONE" || id == "IDC_ONLYFORME") {
        SetInstallFor(id == "IDC_ANYONE" ? 0 : 1);
        return true;
    }
    CommitCustomerPage();
    if (id == "IDC_TYPICAL" || id == "IDC_MINIMAL" || id == "IDC_CUSTOM") {
        ApplySetupType(id == "IDC_TYPICAL" ? 0 : id == "IDC_MINIMAL" ? 1 : 2);
        return true;
    }
    if (id == "IDC_LAUNCHFILE" || id == "IDC_LAUNCHREADME") {
        const int state = host_.ToggleLaunchOption(id == "IDC_LAUNCHFILE" ? 0 : 1);
        HWND h = ControlHandle(record.windowId);
        SendMessageA(h, BM_SETCHECK, state == 255 ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    }
    return false;
}

void CImageWindow::RunApp(const std::string& argument) {
    // A program that cannot be started gives no message.
    ShellExecuteA(nullptr, nullptr, host_.ExpandTokens(argument).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CImageWindow::RunCancelPath() {
    CCancelSetup question;
    question.m_Mode = kCancelQuestion;
    if (question.DoModal(hwnd_) != IDOK) return;
    host_.SetCancelRequested();
    if (HWND cancel = ControlHandle(FindControlByIdName("IDCANCEL"))) EnableWindow(cancel, FALSE);
    host_.SetRunFinished();
    host_.OnPageCommand(0, 0, 0, "IDC_NEXT", this, layoutName_);
    host_.TerminateNow();
}

void CImageWindow::EndPage() {
    // The standard OK ending of a modeless page: it only hides the window.
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void CImageWindow::ChooseLanguage() {
    HWND list = ControlHandle(FindControlByIdName("IDC_LANGUAGE"));
    char name[256] = "";
    if (list) GetWindowTextA(list, name, sizeof name);
    host_.ChooseLanguage(name);
    EndPage();
}

void CImageWindow::OnEnterKey() {
    if (hasFinish_) SetTimer(hwnd_, kFinishTimer, 500, nullptr);
}

void CImageWindow::OnCancelRequest() { RunCancelPath(); }

void CImageWindow::OnTimer(UINT_PTR id) {
    if (id == kProgressTimer) {
        KillTimer(hwnd_, kProgressTimer);
        host_.StartInstallation();
        EndPage();
    } else if (id == kFinishTimer) {
        KillTimer(hwnd_, kFinishTimer);
        host_.OnPageCommand(0, 0, 0, "IDC_NEXT", this, layoutName_);
        EndPage();
    }
}

}  // namespace qx::pages
