// The thin control layer of the main window: one small class per kind of
// control, each a plain child window created from a few arguments. Texts go in
// and out in code page 1250 (see text_1250_win.h).
#pragma once
#include "trombela/picture_win.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace trombela {

// Every window of the program is painted in this colour.
constexpr COLORREF kFormColour = 0xF3F3F3;
HBRUSH FormBrush();

struct Bounds {
    int x, y, w, h;
};

class Control {
public:
    HWND hwnd() const { return hwnd_; }
    int id() const { return GetDlgCtrlID(hwnd_); }
    std::string Text() const;
    void SetText(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool on);
    bool Visible() const;
    void SetVisible(bool on);
    void SetBounds(const Bounds& b);
    void BringToFront();

protected:
    void CreateWindowed(HWND parent, const wchar_t* cls, const std::string& text, DWORD style,
                        DWORD ex_style, const Bounds& b, int id, HFONT font);
    HWND hwnd_ = nullptr;
};

class Label : public Control {
public:
    enum Align { kLeft = SS_LEFT, kCentre = SS_CENTER, kRight = SS_RIGHT };
    void Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font,
                Align align = kLeft);
};

class Edit : public Control {
public:
    void Create(HWND parent, int id, const Bounds& b, HFONT font, bool read_only = false);
};

// A multi-line text; lines are joined with CR LF.
class Memo : public Control {
public:
    void Create(HWND parent, int id, const Bounds& b, HFONT font, DWORD extra_style);
    void SetLines(const std::vector<std::string>& lines);
};

class CheckBox : public Control {
public:
    void Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font);
    bool Checked() const;
    void SetChecked(bool on);
};

// Checked only by the program: the window decides which size button is on.
class RadioButton : public CheckBox {
public:
    void Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font);
};

class SpeedButton : public Control {
public:
    void Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font);
};

class GroupBox : public Control {
public:
    void Create(HWND parent, int id, const std::string& text, const Bounds& b, HFONT font);
};

// A raised container. Notifications of the controls inside go on to the
// panel's parent, so the window sees every click wherever the control sits.
class Panel : public Control {
public:
    void Create(HWND parent, int id, const Bounds& b);
};

// A picture box: shows a loaded picture stretched into its area, or lets the
// owner paint it.
class Image : public Control {
public:
    using Painter = std::function<void(HDC, const RECT&)>;
    void Create(HWND parent, int id, const Bounds& b, bool framed);
    void SetPicture(Picture picture);
    const Picture& picture() const { return picture_; }
    void SetPainter(Painter painter);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    Picture picture_;
    Painter painter_;
};

}  // namespace trombela
