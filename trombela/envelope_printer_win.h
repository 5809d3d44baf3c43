// Draws one envelope on a device context: logo, sender block, recipient
// block, in that order, at the positions of print_geometry.h. The caller owns
// the job (StartDoc/EndDoc) and the page.
#pragma once
#include "trombela/font_record.h"
#include "trombela/picture_win.h"

#include <windows.h>

#include <array>
#include <string>

namespace trombela {

struct EnvelopeJob {
    // Texts as typed (code page 1250); numbers are converted when drawn.
    std::string spacing, sender_left, sender_top, recipient_left, recipient_top;
    std::array<std::string, 4> sender;
    std::array<std::string, 5> recipient;  // form of address, then four lines
    bool print_logo = false;
    std::string logo_left, logo_top;
    const Picture* logo = nullptr;
    PrintFont font;
};

void DrawEnvelope(HDC dc, const EnvelopeJob& job);

}  // namespace trombela
