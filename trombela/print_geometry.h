// Where each part of an envelope lands on the printer page. Text positions are
// whole "millimetres" of 1/25 inch, turned into device dots with a whole
// number of dots per millimetre; the logo is scaled by a fixed 2.5 dots per
// picture pixel whatever the printer. Everything here is device dots measured
// from the top-left corner of the printable area.
#pragma once
#include <array>
#include <cstdint>

namespace trombela {

struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct DeviceRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Nearest whole number of num / den (den > 0), halves to the even neighbour.
std::int64_t RoundHalfEven(std::int64_t num, std::int64_t den);

// round(dpi / 25) with halves to even: 600 -> 24, 300 -> 12, 360 -> 14.
std::int32_t DotsPerMm(std::int32_t dpi);

// Negative cell height, so the point size is the character height itself.
std::int32_t FontHeight(std::int32_t points, std::int32_t dpi_y);

// Logo at (left, top) picture pixels of a width x height picture.
DeviceRect LogoRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

struct EnvelopeInput {
    std::int32_t spacing = 0;  // all in mm
    std::int32_t sender_left = 0;
    std::int32_t sender_top = 0;
    std::int32_t recipient_left = 0;
    std::int32_t recipient_top = 0;
    std::int32_t dpi_x = 0;
    std::int32_t dpi_y = 0;
};

// Top-left corners of the text lines.
struct EnvelopeLayout {
    std::array<DevicePoint, 4> sender;   // n1..n4
    DevicePoint form;                    // o1
    std::array<DevicePoint, 4> address;  // o2..o5
};

EnvelopeLayout LayoutEnvelope(const EnvelopeInput& in);

}  // namespace trombela
