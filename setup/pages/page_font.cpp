#include "setup/pages/page_font.h"

namespace qx::pages {

int PointsToHeight(int points) {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return -MulDiv(points, dpi, 72);
}

unique_hfont MakeFont(const FontRequest& request) {
    NONCLIENTMETRICSA metrics{};
    // The size of the structure before Vista's extra field, so older systems
    // accept the request as well.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    LOGFONTA lf{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        lf = metrics.lfStatusFont;
    if (request.height != 0) lf.lfHeight = request.height;
    lf.lfWidth = 0;
    lf.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = request.italic ? TRUE : FALSE;
    lf.lfUnderline = request.underline ? TRUE : FALSE;
    if (!request.face.empty()) lstrcpynA(lf.lfFaceName, request.face.c_str(), LF_FACESIZE);
    return unique_hfont(CreateFontIndirectA(&lf));
}

}  // namespace qx::pages
