// The window itself: creation, message dispatch, error reporting and the clock.
#include "trombela/koperta_form_win.h"

#include "trombela/control_ids.h"
#include "trombela/polish_texts.h"
#include "trombela/record_io_win.h"
#include "trombela/text_1250_win.h"

#include <exception>

namespace trombela {
namespace {

constexpr int kClientWidth = 824;
constexpr int kClientHeight = 548;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 100;
// Fixed single border and a caption, but no system menu: the program is left
// through "Koniec" only.
constexpr DWORD kFormStyle = WS_CAPTION | WS_BORDER | WS_MINIMIZEBOX;

void ErrorBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, Widen(text).c_str(), Widen(texts::kIoErrorTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace

Tkoperta_f::Tkoperta_f() : Tkoperta_f(Options{}) {}

Tkoperta_f::Tkoperta_f(Options options)
    : OpenDialog1(FileDialog::kOpen, texts::kPictureFilter, texts::kPictureDefExt),
      OpenDialog2(FileDialog::kOpen, texts::kProfileFilter, texts::kProfileDefExt),
      SaveDialog1(FileDialog::kSave, texts::kProfileFilter, texts::kProfileDefExt),
      options_(options),
      next_static_id_(ids::kStaticText) {
    SaveDialog1.OverwritePrompt = true;
}

Tkoperta_f::~Tkoperta_f() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Tkoperta_f::Create(int show_command) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance, ids::kFormClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = FormBrush();
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.lpszClassName = ids::kFormClass;
        if (!RegisterClassExW(&wc)) return false;
    }
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, WS_EX_CONTROLPARENT);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - w) / 2;
    const int y = work.top + ((work.bottom - work.top) - h) / 2;
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, ids::kFormClass, L"", kFormStyle, x, y, w, h, nullptr,
                            nullptr, instance, this);
    if (!hwnd_) return false;
    BuildControls();
    Guard(&Tkoperta_f::FormCreate);
    SetTimer(hwnd_, kTimer1, kTimer1Interval, nullptr);
    Timer1Timer();
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT CALLBACK Tkoperta_f::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        static_cast<Tkoperta_f*>(cs->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Tkoperta_f*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

LRESULT Tkoperta_f::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wp);
        // Read-only edits keep the usual white field.
        const HWND control = reinterpret_cast<HWND>(lp);
        if (msg == WM_CTLCOLORSTATIC && control == nazwa.hwnd()) break;
        SetBkColor(dc, kFormColour);
        return reinterpret_cast<LRESULT>(FormBrush());
    }
    case WM_TIMER:
        if (wp == kTimer1) Timer1Timer();
        return 0;
    case WM_CLOSE:
        // Only "Koniec" closes the window, after its question.
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, kTimer1);
        if (options_.quit_on_close) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void Tkoperta_f::OnCommand(int id) {
    switch (id) {
    case ids::kSpeedButton1: Guard(&Tkoperta_f::SpeedButton1Click); break;
    case ids::kSpeedButton2: Guard(&Tkoperta_f::SpeedButton2Click); break;
    case ids::kSpeedButton3: Guard(&Tkoperta_f::SpeedButton3Click); break;
    case ids::kSpeedButton4: Guard(&Tkoperta_f::SpeedButton4Click); break;
    case ids::kSpeedButton6: Guard(&Tkoperta_f::SpeedButton6Click); break;
    case ids::kSpeedButton7: Guard(&Tkoperta_f::SpeedButton7Click); break;
    case ids::kSpeedButton8: Guard(&Tkoperta_f::SpeedButton8Click); break;
    case ids::kSpeedButton9: Guard(&Tkoperta_f::SpeedButton9Click); break;
    case ids::kSpeedButton10: Guard(&Tkoperta_f::SpeedButton10Click); break;
    case ids::kSpeedButton11: Guard(&Tkoperta_f::SpeedButton11Click); break;
    case ids::kSpeedButton12: Guard(&Tkoperta_f::SpeedButton12Click); break;
    case ids::kRadioButton1: Guard(&Tkoperta_f::RadioButton1Click); break;
    case ids::kRadioButton2: Guard(&Tkoperta_f::RadioButton2Click); break;
    case ids::kRadioButton3: Guard(&Tkoperta_f::RadioButton3Click); break;
    case ids::kRadioButton4: Guard(&Tkoperta_f::RadioButton4Click); break;
    default: break;
    }
}

void Tkoperta_f::Guard(void (Tkoperta_f::*handler)()) {
    try {
        (this->*handler)();
    } catch (const InOutError& e) {
        ErrorBox(hwnd_, std::string(texts::kIoErrorText) + std::to_string(e.code()) + ".\n" + e.path());
    } catch (const std::exception& e) {
        ErrorBox(hwnd_, e.what());
    }
}

void Tkoperta_f::Timer1Timer() {
    wchar_t now[80] = {};
    // No format given: the user's long time format.
    if (!GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, now, 80)) return;
    if (Narrow(now) != Label5.Text()) SetWindowTextW(Label5.hwnd(), now);
}

void Tkoperta_f::SetCaption(const std::string& text) { SetWindowTextW(hwnd_, Widen(text).c_str()); }

bool Tkoperta_f::Ask(const char* question) {
    return MessageBoxW(hwnd_, Widen(question).c_str(), Widen(texts::kPytanie).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace trombela
