// The fixed behaviours of the well-known pages: what each page does once it
// is built, chosen by its layout name, and the radio-button pairs whose
// marks carry the user's choices. A layout without one of the named controls
// simply goes without that part.
#include "setup/base/table_limits.h"
#include "setup/pages/page_behaviours_rules.h"
#include "setup/pages/page_window.h"

#include <commctrl.h>

namespace qx::pages {

namespace {
constexpr UINT_PTR kProgressTimer = 1;
constexpr int kProgressTimerMs = 300;
// The Ready summary box gets the extended style bits the page gives it when
// it builds the box.
constexpr LONG_PTR kSettingsExStyle = 0x1004;
}  // namespace

void CImageWindow::OnPageStart(const std::string& layoutName) {
    RunStartBehaviour(layoutName);
    RunEveryPageBehaviour(layoutName);
}

void CImageWindow::RunStartBehaviour(const std::string& name) {
    if (name == "license.lcd") {
        LoadPageText("CT0", "CT1");
        SetLicenceAccepted(false);
    } else if (name == "readme.lcd") {
        LoadPageText("CT2", "CT3");
    } else if (name == "customer.lcd") {
        SetInstallFor(0);
        if (HWND user = ControlHandle(FindControlByIdName("IDC_USERNAME"))) SetFocus(user);
    } else if (name == "destination.lcd") {
        SetInstallFor(0);
        SetControlText("IDC_INSTALLDIR", host_.InstallDir());
    } else if (name == "customsetup.lcd") {
        SetControlText("IDC_INSTALLDIR", host_.InstallDir());
        SetControlText("IDC_FEATUREINFO", "");
        FillFeatureTree();
    } else if (name == "progress.lcd") {
        StartProgressPage();
    } else if (name == "complete.lcd") {
        StartCompletePage();
    }
}

void CImageWindow::RunEveryPageBehaviour(const std::string& name) {
    if (name == "customer.lcd") {
        if (host_.SetupScript().Read("DIALOGLIST", "CT19") == "Yes") {
            SetControlText("IDC_USERNAME", host_.UserName());
            SetControlText("IDC_ORGANIZATION", host_.Organisation());
        }
        if (FindControlByIdName("IDC_ANYONE") >= 0) SetInstallFor(host_.InstallForAnyone() != 0 ? 0 : 1);
    } else if (name == "setuptype.lcd") {
        ApplySetupType(NormalisedSetupType(host_.SetupType()));
    } else if (name == "ready.lcd") {
        ShowReadySummary();
    }
}

void CImageWindow::StartProgressPage() {
    for (const char* button : {"IDC_NEXT", "IDC_BACK"})
        if (HWND h = ControlHandle(FindControlByIdName(button))) EnableWindow(h, FALSE);
    SetControlText("IDC_INFO", "Starting copying files...");
    SetControlText("IDC_INSTALLINFO", "");
    InvalidateRect(hwnd_, nullptr, TRUE);
    UseProgressControls("IDC_PROGRESS1", "IDC_INFO", "IDC_INSTALLINFO");
    SetTimer(hwnd_, kProgressTimer, kProgressTimerMs, nullptr);
}

void CImageWindow::StartCompletePage() {
    const bool cutShort = host_.RunCutShort();
    HWND file = ControlHandle(FindControlByIdName("IDC_LAUNCHFILE"));
    HWND readme = ControlHandle(FindControlByIdName("IDC_LAUNCHREADME"));
    if (cutShort) {
        std::string text = host_.LanguageFileText("SetupCompleteError", "3");
        for (char& c : text) {
            if (c == '[') c = '<';
            else if (c == ']') c = '>';
        }
        SetControlText("IDC_INSTALLSTATUS", host_.ExpandTokens(text));
    }
    // The language file's Complete section holds the read-me box's caption
    // under key 6 and the program box's under key 7, as the caption rewrite
    // of this page reads them; the boxes take the same keys here.
    if (readme) {
        ShowWindow(readme, SW_HIDE);
        SetWindowTextA(readme, host_.LanguageFileText("SetupCompleteSuccess", "6").c_str());
    }
    if (file) {
        ShowWindow(file, SW_HIDE);
        SetWindowTextA(file, host_.LanguageFileText("SetupCompleteSuccess", "7").c_str());
    }
    if (cutShort) return;
    const HWND boxes[2] = {file, readme};
    for (int which = 0; which < 2; ++which) {
        if (!host_.LaunchOffered(which)) continue;
        if (boxes[which]) {
            ShowWindow(boxes[which], SW_SHOW);
            SendMessageA(boxes[which], BM_SETCHECK, BST_CHECKED, 0);
        }
        host_.SetLaunchOption(which, 255);
    }
}

void CImageWindow::FillFeatureTree() {
    // The tree created last is the one from the lowest INFO key.
    const ControlRecord* tree = nullptr;
    for (const ControlRecord& r : controls_)
        if (r.type == ControlType::TreeView && (!tree || r.key < tree->key)) tree = &r;
    HWND hwnd = tree ? ControlHandle(tree->windowId) : nullptr;
    if (!hwnd) return;
    const KeyValueReader& script = host_.SetupScript();
    // The feature table holds no more than this; a larger TOTAL is a broken
    // script, not a reason to spin.
    int total = LeadingNumber(script.Read("SETUPFEATURES", "TOTAL"));
    if (total > kMaxFeatures) total = kMaxFeatures;
    for (int k = 0; k < total; ++k) {
        std::string name = script.Read("SETUPFEATURES", std::to_string(k));
        TVINSERTSTRUCTA item{};
        item.hParent = TVI_ROOT;
        item.hInsertAfter = TVI_LAST;
        item.item.mask = TVIF_TEXT;
        item.item.pszText = name.data();
        SendMessageA(hwnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CImageWindow::ShowReadySummary() {
    HWND box = ControlHandle(FindControlByIdName("IDC_SETTINGS"));
    if (!box) return;
    const std::string text =
        BuildReadySummary({host_.SetupType(), host_.InstallDir(), host_.UserName(), host_.Organisation()});
    SetWindowTextA(box, text.c_str());
    SetWindowLongPtrA(box, GWL_EXSTYLE, GetWindowLongPtrA(box, GWL_EXSTYLE) | kSettingsExStyle);
}

void CImageWindow::SetLicenceAccepted(bool accept) {
    SetMark("IDC_ACCEPTLICENSE", accept);
    SetMark("IDC_NOTACCEPTLICENSE", !accept);
    if (HWND next = ControlHandle(FindControlByIdName("IDC_NEXT"))) EnableWindow(next, accept ? TRUE : FALSE);
}

void CImageWindow::SetInstallFor(int choice) {
    SetMark("IDC_ANYONE", choice == 0);
    SetMark("IDC_ONLYFORME", choice != 0);
}

void CImageWindow::ApplySetupType(int type) {
    host_.SetSetupType(type);
    SetMark("IDC_TYPICAL", type == 0);
    SetMark("IDC_MINIMAL", type == 1);
    SetMark("IDC_CUSTOM", type == 2);
}

void CImageWindow::SetMark(const char* idName, bool set) {
    if (HWND h = ControlHandle(FindControlByIdName(idName)))
        SendMessageA(h, BM_SETCHECK, set ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CImageWindow::SetControlText(const char* idName, const std::string& text) {
    if (HWND h = ControlHandle(FindControlByIdName(idName))) SetWindowTextA(h, text.c_str());
}

std::string CImageWindow::ControlText(const char* idName) const {
    HWND h = ControlHandle(FindControlByIdName(idName));
    if (!h) return {};
    const int length = GetWindowTextLengthA(h);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(h, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace qx::pages
