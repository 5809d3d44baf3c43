// Where every control of the main window sits and what it says. Coordinates
// are client pixels of the 824 x 548 window (or of the panel holding them).
#include "trombela/control_ids.h"
#include "trombela/koperta_form_win.h"
#include "trombela/polish_texts.h"

namespace trombela {
namespace {

HFONT MakeFont(const wchar_t* face, int points, int weight) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// The decorative picture at the right edge: an envelope with a stamp.
void PaintEnvelopeDecoration(HDC dc, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT body{r.left + w / 10, r.top + h / 5, r.right - w / 10, r.bottom - h / 6};
    unique_hbrush paper(CreateSolidBrush(RGB(255, 251, 236)));
    unique_hpen ink(CreatePen(PS_SOLID, 2, RGB(120, 96, 64)));
    HGDIOBJ old_pen = SelectObject(dc, ink.get());
    HGDIOBJ old_brush = SelectObject(dc, paper.get());
    Rectangle(dc, body.left, body.top, body.right, body.bottom);
    const int mid_x = (body.left + body.right) / 2, mid_y = (body.top + body.bottom) / 2 + 6;
    MoveToEx(dc, body.left, body.top, nullptr);
    LineTo(dc, mid_x, mid_y);
    LineTo(dc, body.right, body.top);
    unique_hbrush stamp(CreateSolidBrush(RGB(200, 40, 40)));
    SelectObject(dc, stamp.get());
    const int sw = w / 7;
    Rectangle(dc, body.right - sw - 8, body.top + 8, body.right - 8, body.top + 8 + sw);
    // Address lines.
    unique_hpen lines(CreatePen(PS_SOLID, 1, RGB(150, 150, 170)));
    SelectObject(dc, lines.get());
    for (int i = 0; i < 3; ++i) {
        const int y = body.bottom - 14 - i * 9;
        MoveToEx(dc, mid_x - 4, y, nullptr);
        LineTo(dc, body.right - 14, y);
    }
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
}

}  // namespace

void Tkoperta_f::LabelAt(const std::string& text, const Bounds& b, bool bold, HWND parent) {
    Label label;
    label.Create(parent ? parent : hwnd_, next_static_id_++, text, b, bold ? bold_font_.get() : font_.get());
}

void Tkoperta_f::BuildControls() {
    font_.reset(MakeFont(L"Tahoma", 8, FW_NORMAL));
    bold_font_.reset(MakeFont(L"Tahoma", 8, FW_BOLD));
    HFONT f = font_.get();
    using namespace ids;

    // Sender panel.
    Panel1.Create(hwnd_, kPanel1, {8, 8, 300, 148});
    HWND p1 = Panel1.hwnd();
    LabelAt(texts::kNadawca, {10, 8, 200, 16}, true, p1);
    for (int i = 0; i < 4; ++i) n[i].Create(p1, kN1 + i, {10, 28 + i * 29, 280, 22}, f);

    // Recipient panel.
    Panel2.Create(hwnd_, kPanel2, {8, 164, 300, 376});
    HWND p2 = Panel2.hwnd();
    LabelAt(texts::kOdbiorca, {10, 8, 200, 16}, true, p2);
    LabelAt(texts::kForma, {10, 32, 40, 16}, false, p2);
    o[0].Create(p2, kO1, {52, 28, 238, 22}, f);
    for (int i = 1; i < 5; ++i) o[i].Create(p2, kO1 + i, {10, 28 + i * 29, 280, 22}, f);
    Memo2.Create(p2, kMemo2, {10, 180, 280, 120}, f, ES_CENTER | ES_READONLY);
    Memo2.SetLines({texts::kMemo2Line1, texts::kMemo2Line2, texts::kMemo2Line3});
    Memo2.SetEnabled(false);
    SpeedButton1.Create(p2, kSpeedButton1, texts::kKoniec, {10, 316, 280, 48}, f);

    // Envelope group.
    GroupBox1.Create(hwnd_, kGroupBox1, texts::kParametryKoperty, {316, 8, 300, 532}, bold_font_.get());
    poziomo.Create(hwnd_, kPoziomo, texts::kDrukujPoziomo, {330, 30, 160, 18}, f);
    LabelAt(texts::kOdbiorca, {330, 58, 120, 16}, true);
    LabelAt(texts::kOdLewejMm, {330, 78, 86, 16});
    LabelAt(texts::kOdGoryMm, {420, 78, 86, 16});
    static const char* const kSizeNames[] = {texts::kRozmiar1, texts::kRozmiar2, texts::kRozmiar3,
                                             texts::kRozmiar4};
    for (int k = 0; k < 4; ++k) {
        const int y = 96 + k * 30;
        l[k].Create(hwnd_, kL1 + k, {330, y, 80, 22}, f);
        g[k].Create(hwnd_, kG1 + k, {420, y, 80, 22}, f);
        RadioButtons[k].Create(hwnd_, kRadioButton1 + k, kSizeNames[k], {512, y + 2, 96, 18}, f);
    }
    LabelAt(texts::kNadawca, {330, 222, 120, 16}, true);
    LabelAt(texts::kOdLewejMm, {330, 242, 86, 16});
    LabelAt(texts::kOdGoryMm, {420, 242, 86, 16});
    LabelAt(texts::kOdstepMm, {512, 242, 90, 16});
    l_n.Create(hwnd_, kLN, {330, 260, 80, 22}, f);
    g_n.Create(hwnd_, kGN, {420, 260, 80, 22}, f);
    od.Create(hwnd_, kOd, {512, 260, 80, 22}, f);

    LabelAt(texts::kParametryLogo, {330, 300, 200, 16}, true);
    LabelAt(texts::kOdLewejPix, {330, 320, 86, 16});
    LabelAt(texts::kOdGoryPix, {420, 320, 86, 16});
    l_log.Create(hwnd_, kLLog, {330, 338, 80, 22}, f);
    g_log.Create(hwnd_, kGLog, {420, 338, 80, 22}, f);
    Image2.Create(hwnd_, kImage2, {512, 318, 92, 92}, true);
    SpeedButton6.Create(hwnd_, kSpeedButton6, texts::kDolaczObrazek, {330, 370, 170, 26}, f);
    SpeedButton7.Create(hwnd_, kSpeedButton7, texts::kOdlaczObrazek, {330, 400, 170, 26}, f);
    logo.Create(hwnd_, kLogo, texts::kDrukujObrazek, {330, 436, 160, 18}, f);
    LabelAt(texts::kLokalizacjaObrazka, {330, 466, 200, 16});
    nazwa.Create(hwnd_, kNazwa, {330, 484, 274, 22}, f, true);

    // Command column.
    struct Command {
        SpeedButton* button;
        int id;
        const char* text;
    } const commands[] = {
        {&SpeedButton2, kSpeedButton2, texts::kZapiszDomyslne},
        {&SpeedButton12, kSpeedButton12, texts::kCzytajDomyslne},
        {&SpeedButton3, kSpeedButton3, texts::kCzcionkaDruku},
        {&SpeedButton11, kSpeedButton11, texts::kZapiszProfil},
        {&SpeedButton10, kSpeedButton10, texts::kCzytajProfil},
        {&SpeedButton9, kSpeedButton9, texts::kPomoc},
        {&SpeedButton4, kSpeedButton4, texts::kDrukujKoperte},
    };
    int y = 8;
    for (const auto& c : commands) {
        c.button->Create(hwnd_, c.id, c.text, {624, y, 192, 34}, f);
        y += 40;
    }

    // Right edge.
    Image1.Create(hwnd_, kImage1, {624, 300, 192, 150}, false);
    Image1.SetPainter(PaintEnvelopeDecoration);
    Label5.Create(hwnd_, kLabel5, texts::kClockStart, {624, 460, 192, 18}, bold_font_.get(), Label::kCentre);
    Label7.Create(hwnd_, kLabel7, "", {624, 486, 192, 18}, f, Label::kCentre);
    Image3.Create(hwnd_, kImage3, {0, 0, 1, 1}, false);
    Image3.SetVisible(false);

    // Help panel, over everything else while shown.
    Panel3.Create(hwnd_, kPanel3, {93, 62, 636, 390});
    HWND p3 = Panel3.hwnd();
    Memo1.Create(p3, kMemo1, {8, 8, 620, 332}, f, ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL);
    Memo1.SetLines({texts::kHelp1, texts::kHelp2, texts::kHelp3, texts::kHelp4, texts::kHelp5, texts::kHelp6,
                    texts::kHelp7, texts::kHelp8, texts::kHelp9, texts::kHelp10a, texts::kHelp10b,
                    texts::kHelp11, texts::kHelp12, texts::kHelpEmpty, texts::kHelpRemember1,
                    texts::kHelpRemember2});
    SpeedButton8.Create(p3, kSpeedButton8, texts::kPowrot, {8, 348, 140, 32}, f);
    Panel3.SetVisible(false);
    // The group frame lies under the controls it surrounds.
    SetWindowPos(GroupBox1.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace trombela
