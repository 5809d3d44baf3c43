#include "trombela/controls_win.h"

#include "trombela/text_1250_win.h"

namespace trombela {
namespace {

constexpr wchar_t kPanelClass[] = L"TrombelaPanel";
constexpr wchar_t kImageClass[] = L"TrombelaImage";

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageW(GetParent(hwnd), msg, wp, lp);
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, FormBrush());
        DrawEdge(reinterpret_cast<HDC>(wp), &r, BDR_RAISEDOUTER, BF_RECT);
        return 1;
    }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void RegisterOnce(const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

}  // namespace

HBRUSH FormBrush() {
    // Lives as long as the process: every window of it paints with it.
    static HBRUSH brush = CreateSolidBrush(kFormColour);
    return brush;
}

std::string Control::Text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(n + 1, L'\0');
    text.resize(GetWindowTextW(hwnd_, text.data(), n + 1));
    return Narrow(text);
}

void Control::SetText(const std::string& text) { SetWindowTextW(hwnd_, Widen(text).c_str()); }
bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Control::SetEnabled(bool on) { EnableWindow(hwnd_, on); }
bool Control::Visible() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool on) { ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE); }

void Control::SetBounds(const Bounds& b) { MoveWindow(hwnd_, b.x, b.y, b.w, b.h, TRUE); }

void Control::BringToFront() {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Control::CreateWindowed(HWND parent, const wchar_t* cls, const std::string& text, DWORD style,
                             DWORD ex_style, const Bounds& b, int id, HFONT font) {
    hwnd_ = CreateWindowExW(ex_style, cls, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, b.x, b.y,
                            b.w, b.h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (font) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Label::Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font, Align align) {
    CreateWindowed(parent, L"STATIC", text, DWORD(align) | SS_NOPREFIX, 0, b, id, font);
}

void Edit::Create(HWND parent, int id, const Bounds& b, HFONT font, bool read_only) {
    CreateWindowed(parent, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | (read_only ? ES_READONLY : 0),
                   WS_EX_CLIENTEDGE, b, id, font);
}

void Memo::Create(HWND parent, int id, const Bounds& b, HFONT font, DWORD extra_style) {
    CreateWindowed(parent, L"EDIT", "", ES_MULTILINE | extra_style, WS_EX_CLIENTEDGE, b, id, font);
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    SetText(text);
}

void CheckBox::Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font) {
    CreateWindowed(parent, L"BUTTON", text, WS_TABSTOP | BS_AUTOCHECKBOX, 0, b, id, font);
}

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void CheckBox::SetChecked(bool on) { SendMessageW(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

void RadioButton::Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font) {
    CreateWindowed(parent, L"BUTTON", text, WS_TABSTOP | BS_RADIOBUTTON, 0, b, id, font);
}

void SpeedButton::Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font) {
    CreateWindowed(parent, L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0, b, id, font);
}

void GroupBox::Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font) {
    CreateWindowed(parent, L"BUTTON", text, BS_GROUPBOX, 0, b, id, font);
}

void Panel::Create(HWND parent, int id, const Bounds& b) {
    RegisterOnce(kPanelClass, PanelProc);
    CreateWindowed(parent, kPanelClass, "", WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, b, id,
                   nullptr);
}

void Image::Create(HWND parent, int id, const Bounds& b, bool framed) {
    RegisterOnce(kImageClass, Proc);
    CreateWindowed(parent, kImageClass, "", 0, framed ? WS_EX_STATICEDGE : 0, b, id, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Image::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Image::SetPainter(Painter painter) {
    painter_ = std::move(painter);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK Image::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Image*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, FormBrush());
        return 1;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        if (self && self->painter_) self->painter_(dc, r);
        else if (self) self->picture_.Draw(dc, r);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace trombela
