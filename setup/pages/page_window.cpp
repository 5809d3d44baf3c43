#include "setup/pages/page_window.h"

#include "setup/pages/layout_limits.h"

#include <commctrl.h>

#include <cstring>

namespace qx::pages {

namespace {

constexpr char kFinishTip[] = "Click here to finish installation.";

void InitControlClasses() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

// The page template as it is in the resources, for programs that link the
// page code without the page resources (test benches, tools).
std::vector<WORD> BuiltInTemplate() {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dlg->style = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dlg->cdit = 0;
    dlg->cx = 186;
    dlg->cy = 90;
    t.push_back(0);  // no menu
    t.push_back(0);  // standard dialog class
    t.push_back(0);  // empty title
    t.push_back(8);  // font size in points
    for (const char* c = "MS Shell Dlg"; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    return t;
}

}  // namespace

CImageWindow::CImageWindow(IPageHost& host, HWND owner) : host_(host), pools_(std::make_unique<ControlPools>()) {
    InitControlClasses();
    HINSTANCE module = GetModuleHandleA(nullptr);
    LPARAM self = reinterpret_cast<LPARAM>(this);
    if (FindResourceA(module, MAKEINTRESOURCEA(kPageTemplate), reinterpret_cast<LPCSTR>(RT_DIALOG))) {
        hwnd_ = CreateDialogParamA(module, MAKEINTRESOURCEA(kPageTemplate), owner, DialogProc, self);
    } else {
        std::vector<WORD> t = BuiltInTemplate();
        hwnd_ = CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), owner, DialogProc,
                                           self);
    }
}

CImageWindow::~CImageWindow() { Close(); }

std::unique_ptr<CImageWindow> CImageWindow::Create(IPageHost& host, HWND owner, const std::string& layoutFolder,
                                                   const std::string& layoutName, int pageIndex, int pageCount,
                                                   int showCmd) {
    auto page = std::make_unique<CImageWindow>(host, owner);
    if (!page->Handle()) return nullptr;
    page->LoadPage(layoutFolder, layoutName, pageIndex, pageCount);
    if (showCmd != SW_HIDE) ShowWindow(page->Handle(), showCmd);
    return page;
}

void CImageWindow::Close() {
    if (!hwnd_) return;
    DestroyControls();
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    tooltip_ = nullptr;  // owned by the page window, destroyed with it
    DestroyWindow(hwnd);
}

void CImageWindow::LoadPage(const std::string& layoutFolder, const std::string& layoutName, int pageIndex,
                            int pageCount) {
    host_.SetCurrentPage(this);
    KillTimer(hwnd_, 1);
    pageFont_ = host_.PageFont();
    pageIndex_ = pageIndex;
    pageCount_ = pageCount;
    layoutFolder_ = layoutFolder;
    layoutName_ = layoutName;
    SetBackgroundColour("COLOR_BTNFACE");
    LoadLayout(layoutFolder + layoutName);
    PlaceWindow();
    OnPageStart(layoutName);

    int finish = FindControlByIdName("IDC_FINISH");
    hasFinish_ = finish >= 0;
    if (hasFinish_) {
        SetFocus(ControlHandle(finish));
        AttachFinishTooltip(ControlHandle(finish));
    }
    if (layoutName == "complete.lcd") {
        // Moves the focus on from the finish button, as the Complete page
        // always did; only the key-down is sent.
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_TAB;
        SendInput(1, &key, sizeof key);
    }
}

int CImageWindow::FindControlByIdName(const std::string& idName) const {
    for (const auto& c : controls_)
        if (c.idName == idName) return c.windowId;
    return -1;
}

int CImageWindow::PoolIndexOf(int windowId) const {
    int position = ListPositionOf(windowId);
    return position < 0 ? -1 : controls_[static_cast<std::size_t>(position)].poolIndex;
}

int CImageWindow::ListPositionOf(int windowId) const {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].windowId == windowId) return static_cast<int>(i);
    return -1;
}

CControlWindow* CImageWindow::ControlObject(int windowId) {
    int position = ListPositionOf(windowId);
    if (position < 0) return nullptr;
    const ControlRecord& c = controls_[static_cast<std::size_t>(position)];
    return pools_->Object(c.type, c.poolIndex);
}

HWND CImageWindow::ControlHandle(int windowId) const {
    return windowId < 0 || !hwnd_ ? nullptr : GetDlgItem(hwnd_, windowId);
}

void CImageWindow::SetProgressPosition(int value) {
    if (HWND bar = ControlHandle(progressBar_)) SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void CImageWindow::SetProgressRange(int upper) {
    if (HWND bar = ControlHandle(progressBar_)) SendMessageA(bar, PBM_SETRANGE32, 0, upper);
}

void CImageWindow::SetProgressText(const std::string& text, int which) {
    if (which < 0 || which > 1) return;
    if (HWND label = ControlHandle(progressText_[which])) {
        SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        InvalidateRect(label, nullptr, TRUE);
    }
}

void CImageWindow::UseProgressControls(const std::string& bar, const std::string& firstText,
                                       const std::string& secondText) {
    progressBar_ = FindControlByIdName(bar);
    progressText_[0] = FindControlByIdName(firstText);
    progressText_[1] = FindControlByIdName(secondText);
}

bool CImageWindow::TranslatePageMessage(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        // Swallowed here so the dialog manager never turns them into clicks
        // of the default button.
        if (msg.wParam == VK_RETURN) OnEnterKey();
        else OnCancelRequest();
        return true;
    }
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

void CImageWindow::CreateTooltip() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) return;
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(100, 0));
    SendMessageA(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

void CImageWindow::AttachFinishTooltip(HWND finish) {
    if (!tooltip_ || !finish) return;
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every common-controls version
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(finish);
    info.lpszText = const_cast<char*>(kFinishTip);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

INT_PTR CALLBACK CImageWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lp);
        auto* self = reinterpret_cast<CImageWindow*>(lp);
        self->hwnd_ = hwnd;
        self->CreateTooltip();
        return TRUE;
    }
    auto* self = reinterpret_cast<CImageWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return FALSE;
    if (msg == WM_NCDESTROY) {
        // Destroyed from outside (with its owner, say): forget the window.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->tooltip_ = nullptr;
        return FALSE;
    }
    return self->HandleMessage(msg, wp, lp);
}

INT_PTR CImageWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(backgroundBrush_.get());
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (CControlWindow* control = CControlWindow::FromHandle(reinterpret_cast<HWND>(lp)))
                if (HBRUSH brush = control->OnColorRequest(reinterpret_cast<HDC>(wp)))
                    return reinterpret_cast<INT_PTR>(brush);
            return FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            LRESULT result = 0;
            if (CControlWindow* control = CControlWindow::FromHandle(header->hwndFrom)) {
                if (control->OnNotify(*header, &result)) {
                    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
                    return TRUE;
                }
            }
            return FALSE;
        }
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wp));
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, 1);
            return TRUE;
        case kMsgPaintPageBackground:
            PaintBackground(reinterpret_cast<HDC>(wp));
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wp);
            if (lp == 0 && id == IDOK) OnEnterKey();
            else if (lp == 0 && id == IDCANCEL) OnCancelRequest();
            else if (HIWORD(wp) == BN_CLICKED && id >= kFirstControlId && id <= kLastCommandId) OnControlClicked(id);
            return TRUE;
        }
        case WM_CLOSE:
            OnCancelRequest();
            return TRUE;
        case WM_TIMER:
            OnTimer(wp);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace qx::pages
