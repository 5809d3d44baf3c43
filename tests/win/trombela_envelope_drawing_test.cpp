// Envelope drawing recorded in an enhanced metafile: every text line, the
// logo rectangle, the font and the drawing order, on a device whose
// resolution the metafile's reference screen gives.
#include "support/trombela_driver.h"
#include "trombela/envelope_printer_win.h"
#include "trombela/print_geometry.h"
#include "trombela/text_1250_win.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace trombela {
namespace {

using trombela_test::MakeTempFolder;
using trombela_test::WriteBytes;

struct Drawn {
    enum Kind { kText, kPicture } kind;
    std::wstring text;
    RECT at;  // text: reference point in left/top; picture: destination
};

struct Recording {
    std::vector<Drawn> items;
    LOGFONTW font{};
    COLORREF text_colour = CLR_INVALID;
    int dpi_x = 0, dpi_y = 0;
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM lp) {
    auto* out = reinterpret_cast<Recording*>(lp);
    switch (rec->iType) {
    case EMR_EXTTEXTOUTW: {
        auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(rec);
        const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(rec) + t->emrtext.offString);
        out->items.push_back({Drawn::kText, std::wstring(chars, t->emrtext.nChars),
                              RECT{t->emrtext.ptlReference.x, t->emrtext.ptlReference.y, 0, 0}});
        break;
    }
    case EMR_STRETCHDIBITS: {
        auto* s = reinterpret_cast<const EMRSTRETCHDIBITS*>(rec);
        out->items.push_back({Drawn::kPicture, L"", RECT{s->xDest, s->yDest, s->xDest + s->cxDest, s->yDest + s->cyDest}});
        break;
    }
    case EMR_STRETCHBLT: {
        auto* s = reinterpret_cast<const EMRSTRETCHBLT*>(rec);
        out->items.push_back({Drawn::kPicture, L"", RECT{s->xDest, s->yDest, s->xDest + s->cxDest, s->yDest + s->cyDest}});
        break;
    }
    case EMR_ALPHABLEND: {
        auto* s = reinterpret_cast<const EMRALPHABLEND*>(rec);
        out->items.push_back({Drawn::kPicture, L"", RECT{s->xDest, s->yDest, s->xDest + s->cxDest, s->yDest + s->cyDest}});
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW:
        out->font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(rec)->elfw.elfLogFont;
        break;
    case EMR_SETTEXTCOLOR:
        out->text_colour = reinterpret_cast<const EMRSETTEXTCOLOR*>(rec)->crColor;
        break;
    }
    return 1;
}

Recording Record(const EnvelopeJob& job) {
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Recording r;
    r.dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    r.dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    DrawEnvelope(dc, job);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    EnumEnhMetaFile(nullptr, emf, Collect, &r, nullptr);
    DeleteEnhMetaFile(emf);
    return r;
}

EnvelopeJob DefaultJob() {
    EnvelopeJob job;
    job.spacing = "5";
    job.sender_left = "5";
    job.sender_top = "5";
    job.recipient_left = "50";
    job.recipient_top = "50";
    job.sender = {"n1", "n2", "n3", "n4"};
    job.recipient = {"o1", "o2", "o3", "o4", "o5"};
    return job;
}

POINT TextAt(const Recording& r, const std::wstring& text) {
    for (const auto& d : r.items)
        if (d.kind == Drawn::kText && d.text == text) return {d.at.left, d.at.top};
    ADD_FAILURE() << "not drawn: " << std::string(text.begin(), text.end());
    return {-1, -1};
}

TEST(TrombelaEnvelopeDrawing, TextLinesLandWhereTheGeometrySays) {
    const Recording r = Record(DefaultJob());
    const int dx = DotsPerMm(r.dpi_x), dy = DotsPerMm(r.dpi_y);
    ASSERT_GT(dx, 0);
    for (int i = 0; i < 4; ++i) {
        const POINT p = TextAt(r, L"n" + std::to_wstring(i + 1));
        EXPECT_EQ(p.x, 5 * dx);
        EXPECT_EQ(p.y, (6 + 5 * i) * dy);
    }
    const POINT form = TextAt(r, L"o1");
    EXPECT_EQ(form.x, 50 * dx);
    EXPECT_EQ(form.y, 50 * dy);
    for (int j = 1; j <= 4; ++j) {
        const POINT p = TextAt(r, L"o" + std::to_wstring(j + 1));
        EXPECT_EQ(p.x, 55 * dx);
        EXPECT_EQ(p.y, (55 + 5 * j) * dy);
    }
    // Sender block first, then the recipient block.
    ASSERT_EQ(r.items.size(), 9u);
    const wchar_t* order[] = {L"n1", L"n2", L"n3", L"n4", L"o1", L"o2", L"o3", L"o4", L"o5"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(r.items[i].text, order[i]);
}

TEST(TrombelaEnvelopeDrawing, EmptyLinesStillAdvanceAndBadNumbersKeepTheirDigits) {
    EnvelopeJob job = DefaultJob();
    job.sender = {"", "", "", "last"};
    job.spacing = "0x5";      // hexadecimal 5
    job.recipient_left = "50mm";
    job.recipient_top = "abc";  // 0
    const Recording r = Record(job);
    const int dx = DotsPerMm(r.dpi_x), dy = DotsPerMm(r.dpi_y);
    EXPECT_EQ(TextAt(r, L"last").y, (6 + 15) * dy);
    EXPECT_EQ(TextAt(r, L"o1").x, 50 * dx);
    EXPECT_EQ(TextAt(r, L"o1").y, 0);
    EXPECT_EQ(TextAt(r, L"o5").y, (5 + 20) * dy);
}

TEST(TrombelaEnvelopeDrawing, ZeroSpacingStacksTheLines) {
    EnvelopeJob job = DefaultJob();
    job.spacing = "0";
    const Recording r = Record(job);
    EXPECT_EQ(TextAt(r, L"n4").y, TextAt(r, L"n1").y);
    EXPECT_EQ(TextAt(r, L"o5").y, TextAt(r, L"o2").y);
}

TEST(TrombelaEnvelopeDrawing, PrintFontSizeStyleColourAndPolishText) {
    EnvelopeJob job = DefaultJob();
    job.font = {0x00000080u, "Tahoma", 12, kFontBold | kFontItalic};
    job.recipient[1] = "Gda\xF1sk";  // Gdańsk
    const Recording r = Record(job);
    EXPECT_EQ(r.font.lfHeight, FontHeight(12, r.dpi_y));
    EXPECT_LT(r.font.lfHeight, 0);
    EXPECT_EQ(r.font.lfWeight, FW_BOLD);
    EXPECT_TRUE(r.font.lfItalic);
    EXPECT_FALSE(r.font.lfUnderline);
    EXPECT_EQ(std::wstring(r.font.lfFaceName), L"Tahoma");
    EXPECT_EQ(r.text_colour, RGB(0x80, 0, 0));
    TextAt(r, L"Gda\x0144sk");
}

TEST(TrombelaEnvelopeDrawing, LogoIsDrawnFirstAtTwoAndAHalfDotsPerPixel) {
    OleInitialize(nullptr);
    // 100 x 50 pixels, 24 bits, all red.
    std::string bmp = "BM";
    auto le32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bmp += char(v >> (8 * i)); };
    auto le16 = [&](uint16_t v) { bmp += char(v); bmp += char(v >> 8); };
    const uint32_t stride = 300, pixels = stride * 50;
    le32(14 + 40 + pixels); le32(0); le32(14 + 40);
    le32(40); le32(100); le32(50); le16(1); le16(24); le32(0); le32(pixels); le32(2835); le32(2835); le32(0); le32(0);
    for (uint32_t i = 0; i < pixels / 3; ++i) bmp += std::string("\x00\x00\xff", 3);
    const std::wstring path = MakeTempFolder(L"logo") + L"\\logo.bmp";
    ASSERT_TRUE(WriteBytes(path, bmp));
    const Picture picture = Picture::Load(Narrow(path));
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.PixelSize().cx, 100);
    EXPECT_EQ(picture.PixelSize().cy, 50);

    EnvelopeJob job = DefaultJob();
    job.print_logo = true;
    job.logo_left = "10";
    job.logo_top = "20";
    job.logo = &picture;
    const Recording r = Record(job);
    ASSERT_FALSE(r.items.empty());
    ASSERT_EQ(r.items[0].kind, Drawn::kPicture);
    EXPECT_EQ(r.items[0].at.left, 25);
    EXPECT_EQ(r.items[0].at.top, 50);
    EXPECT_EQ(r.items[0].at.right, 275);
    EXPECT_EQ(r.items[0].at.bottom, 175);

    // Not drawn when the box is clear.
    job.print_logo = false;
    const Recording without = Record(job);
    for (const auto& d : without.items) EXPECT_EQ(d.kind, Drawn::kText);
}

}  // namespace
}  // namespace trombela
