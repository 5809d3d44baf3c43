#include "trombela/print_geometry.h"

#include <algorithm>
#include <limits>

namespace trombela {
namespace {

// Device coordinates are 32-bit; absurd typed offsets clamp instead of wrapping.
std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

DevicePoint AtMm(std::int64_t x_mm, std::int64_t y_mm, std::int32_t dx, std::int32_t dy) {
    return {Clamp32(x_mm * dx), Clamp32(y_mm * dy)};
}

}  // namespace

std::int64_t RoundHalfEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = FloorDiv(num, den);
    const std::int64_t twice_rest = 2 * (num - q * den);  // in [0, 2*den)
    if (twice_rest > den || (twice_rest == den && (q % 2 != 0))) ++q;
    return q;
}

std::int32_t DotsPerMm(std::int32_t dpi) { return Clamp32(RoundHalfEven(dpi, 25)); }

std::int32_t FontHeight(std::int32_t points, std::int32_t dpi_y) {
    return Clamp32(-RoundHalfEven(std::int64_t{points} * dpi_y, 72));
}

DeviceRect LogoRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    // 2.5 x n = 5n / 2: rounded for the near edges, truncated toward zero for
    // the far ones.
    auto truncated = [](std::int64_t five_n) { return five_n / 2; };
    const std::int64_t l = left, t = top;
    return {Clamp32(RoundHalfEven(5 * l, 2)), Clamp32(RoundHalfEven(5 * t, 2)),
            Clamp32(truncated(5 * (l + width))), Clamp32(truncated(5 * (t + height)))};
}

EnvelopeLayout LayoutEnvelope(const EnvelopeInput& in) {
    const std::int32_t dx = DotsPerMm(in.dpi_x);
    const std::int32_t dy = DotsPerMm(in.dpi_y);
    const std::int64_t s = in.spacing;
    EnvelopeLayout out;
    // Sender lines sit one millimetre below their cursor.
    for (std::size_t i = 0; i < out.sender.size(); ++i)
        out.sender[i] = AtMm(in.sender_left, std::int64_t{in.sender_top} + 1 + std::int64_t(i) * s, dx, dy);
    out.form = AtMm(in.recipient_left, in.recipient_top, dx, dy);
    // The address lines continue from the sender's cursor, which starts again
    // at the sender top rather than at zero, hence the sender top in their
    // vertical position.
    for (std::size_t j = 0; j < out.address.size(); ++j)
        out.address[j] = AtMm(std::int64_t{in.recipient_left} + 5,
                              std::int64_t{in.recipient_top} + in.sender_top + std::int64_t(j + 1) * s,
                              dx, dy);
    return out;
}

}  // namespace trombela
