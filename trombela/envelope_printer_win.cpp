#include "trombela/envelope_printer_win.h"

#include "setup/base/unique_handle.h"
#include "trombela/font_store_win.h"
#include "trombela/number_text.h"
#include "trombela/print_geometry.h"
#include "trombela/text_1250_win.h"

namespace trombela {
namespace {

// The canvas font of the job: a negative height selects the character height
// without internal leading; an empty face lets the device choose its own.
unique_hfont MakePrintFont(const PrintFont& f, int dpi_y) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeight(f.size, dpi_y);
    lf.lfWeight = (f.style & kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (f.style & kFontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (f.style & kFontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (f.style & kFontStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, Widen(f.face).c_str(), LF_FACESIZE);
    return unique_hfont(CreateFontIndirectW(&lf));
}

void Text(HDC dc, DevicePoint at, const std::string& text) {
    const std::wstring wide = Widen(text);
    TextOutW(dc, at.x, at.y, wide.c_str(), int(wide.size()));
}

}  // namespace

void DrawEnvelope(HDC dc, const EnvelopeJob& job) {
    EnvelopeInput in;
    in.spacing = TextToNumber(job.spacing);
    in.sender_left = TextToNumber(job.sender_left);
    in.sender_top = TextToNumber(job.sender_top);
    in.recipient_left = TextToNumber(job.recipient_left);
    in.recipient_top = TextToNumber(job.recipient_top);
    in.dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    in.dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    const EnvelopeLayout layout = LayoutEnvelope(in);

    if (job.print_logo && job.logo && !job.logo->Empty()) {
        const SIZE px = job.logo->PixelSize();
        const DeviceRect r =
            LogoRect(TextToNumber(job.logo_left), TextToNumber(job.logo_top), px.cx, px.cy);
        job.logo->Draw(dc, RECT{r.left, r.top, r.right, r.bottom});
    }

    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(job.font.colour));
    unique_hfont font = MakePrintFont(job.font, in.dpi_y);
    HGDIOBJ old = SelectObject(dc, font.get());
    for (std::size_t i = 0; i < job.sender.size(); ++i) Text(dc, layout.sender[i], job.sender[i]);
    Text(dc, layout.form, job.recipient[0]);
    for (std::size_t j = 0; j < layout.address.size(); ++j) Text(dc, layout.address[j], job.recipient[j + 1]);
    SelectObject(dc, old);
}

}  // namespace trombela
