#include "trombela/font_store_win.h"

#include "trombela/data_folder.h"
#include "trombela/record_io_win.h"
#include "trombela/text_1250_win.h"

#include <commdlg.h>

namespace trombela {
namespace {

constexpr std::uint32_t kSystemColourFlag = 0xFF000000u;
constexpr std::uint32_t kWindowTextColour = kSystemColourFlag | COLOR_WINDOWTEXT;

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

COLORREF ResolveColour(std::uint32_t colour) {
    if ((colour & kSystemColourFlag) == kSystemColourFlag) return GetSysColor(int(colour & 0xFF));
    return COLORREF(colour & 0x00FFFFFFu);
}

FontDialog::FontDialog() {
    Font.face = "Tahoma";
    Font.size = 8;
    Font.colour = kWindowTextColour;
}

bool FontDialog::Execute(HWND owner) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(Font.size, ScreenDpiY(), 72);
    lf.lfWeight = (Font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (Font.style & kFontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (Font.style & kFontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (Font.style & kFontStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, Widen(Font.face).c_str(), LF_FACESIZE);

    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.rgbColors = ResolveColour(Font.colour);
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&cf)) return false;

    Font.face = Narrow(lf.lfFaceName);
    // The dialog reports tenths of a point.
    Font.size = (cf.iPointSize + 5) / 10;
    Font.colour = cf.rgbColors;
    Font.style = std::uint8_t((lf.lfWeight >= FW_BOLD ? kFontBold : 0) | (lf.lfItalic ? kFontItalic : 0) |
                              (lf.lfUnderline ? kFontUnderline : 0) | (lf.lfStrikeOut ? kFontStrikeOut : 0));
    return true;
}

std::string Tfont_f::FontFilePath(const std::string& name) { return std::string(kFontFolder) + name; }

void Tfont_f::CzytajFonty(const std::string& name) {
    const std::string path = FontFilePath(name);
    if (!FileExists(path)) return;
    print_font_ = DecodeFont(ReadRecord(path, kFontRecordSize));
}

bool Tfont_f::ZapiszFonty(HWND owner, const std::string& name) {
    const std::string path = FontFilePath(name);
    if (FileExists(path)) FontDialog1.Font = DecodeFont(ReadRecord(path, kFontRecordSize));
    if (!FontDialog1.Execute(owner)) return false;
    WriteRecord(path, EncodeFont(FontDialog1.Font));
    // The record cuts the face name; the font in memory matches the file.
    print_font_ = DecodeFont(EncodeFont(FontDialog1.Font));
    return true;
}

}  // namespace trombela
