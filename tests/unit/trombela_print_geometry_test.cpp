#include "trombela/number_text.h"
#include "trombela/print_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace trombela {
namespace {

TEST(TrombelaNumberText, ConversionRules) {
    struct Case {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"", 0},           {"50", 50},         {"  50", 50},      {"-7", -7},
        {"+12", 12},       {"$1F", 31},        {"0x10", 16},      {"0X1f", 31},
        {"-$10", -16},     {"12abc", 12},      {"abc", 0},        {"5 mm", 5},
        {"1.5", 1},        {"0x", 0},          {"$", 0},          {"-", 0},
        {"007", 7},        {"$ff7g", 0xff7},   {"2147483647", INT_MAX},
        {"99999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999", INT_MIN},
        {" \t-3", -3},     {"- 3", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TrombelaPrintGeometry, DotsPerMillimetre) {
    struct Case {
        std::int32_t dpi, dots;
    } cases[] = {{600, 24}, {300, 12}, {360, 14}, {72, 3}, {96, 4}, {1200, 48}, {0, 0}, {12, 0}, {13, 1}};
    for (const auto& c : cases) EXPECT_EQ(DotsPerMm(c.dpi), c.dots) << c.dpi;
}

TEST(TrombelaPrintGeometry, RoundHalfEven) {
    struct Case {
        std::int64_t num, den, result;
    } cases[] = {{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {1, 3, 0}, {2, 3, 1}, {-2, 3, -1}, {75, 25, 3}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.num, c.den), c.result) << c.num << "/" << c.den;
}

TEST(TrombelaPrintGeometry, FontHeight) {
    EXPECT_EQ(FontHeight(12, 600), -100);
    EXPECT_EQ(FontHeight(8, 300), -33);   // 33.33
    EXPECT_EQ(FontHeight(9, 300), -38);   // 37.5 -> 38 (even)
    EXPECT_EQ(FontHeight(15, 300), -62);  // 62.5 -> 62 (even)
    EXPECT_EQ(FontHeight(0, 600), 0);
}

TEST(TrombelaPrintGeometry, LogoIsTwoAndAHalfDotsPerPixel) {
    const DeviceRect r = LogoRect(10, 20, 100, 50);
    EXPECT_EQ(r.left, 25);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right, 275);
    EXPECT_EQ(r.bottom, 175);
    // Odd offsets: near edge rounds half to even, far edge truncates.
    const DeviceRect odd = LogoRect(1, 3, 2, 2);
    EXPECT_EQ(odd.left, 2);    // 2.5 -> 2
    EXPECT_EQ(odd.top, 8);     // 7.5 -> 8
    EXPECT_EQ(odd.right, 7);   // 7.5 -> 7
    EXPECT_EQ(odd.bottom, 12); // 12.5 -> 12
    const DeviceRect neg = LogoRect(-3, 0, 2, 1);
    EXPECT_EQ(neg.left, -8);   // -7.5 -> -8
    EXPECT_EQ(neg.right, -2);  // -2.5 -> -2 (toward zero)
}

EnvelopeInput Defaults(std::int32_t dpi) { return {5, 5, 5, 50, 50, dpi, dpi}; }

TEST(TrombelaPrintGeometry, DefaultEnvelopeAt600Dpi) {
    const EnvelopeLayout l = LayoutEnvelope(Defaults(600));
    const std::int32_t sender_y[] = {144, 264, 384, 504};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l.sender[i].x, 120);
        EXPECT_EQ(l.sender[i].y, sender_y[i]);
    }
    EXPECT_EQ(l.form.x, 1200);
    EXPECT_EQ(l.form.y, 1200);
    const std::int32_t address_y[] = {1440, 1560, 1680, 1800};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(l.address[j].x, 1320);
        EXPECT_EQ(l.address[j].y, address_y[j]);
    }
}

TEST(TrombelaPrintGeometry, DefaultEnvelopeAt300Dpi) {
    const EnvelopeLayout l = LayoutEnvelope(Defaults(300));
    EXPECT_EQ(l.sender[0].x, 60);
    EXPECT_EQ(l.sender[0].y, 72);
    EXPECT_EQ(l.sender[3].y, 252);
    EXPECT_EQ(l.form.x, 600);
    EXPECT_EQ(l.form.y, 600);
    EXPECT_EQ(l.address[0].x, 660);
    EXPECT_EQ(l.address[0].y, 720);
    EXPECT_EQ(l.address[3].y, 900);
}

TEST(TrombelaPrintGeometry, SenderTopMovesTheAddressLines) {
    EnvelopeInput in = Defaults(600);
    in.sender_top = 20;
    const EnvelopeLayout l = LayoutEnvelope(in);
    EXPECT_EQ(l.form.y, 50 * 24);
    EXPECT_EQ(l.address[0].y - l.form.y, 25 * 24);
    EXPECT_EQ(l.sender[0].y, 21 * 24);
}

TEST(TrombelaPrintGeometry, ZeroSpacingStacksTheLines) {
    EnvelopeInput in = Defaults(600);
    in.spacing = 0;
    const EnvelopeLayout l = LayoutEnvelope(in);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(l.sender[i].y, l.sender[0].y);
        EXPECT_EQ(l.address[i].y, l.address[0].y);
    }
}

TEST(TrombelaPrintGeometry, DifferentResolutionsPerAxis) {
    EnvelopeInput in = Defaults(600);
    in.dpi_y = 300;
    const EnvelopeLayout l = LayoutEnvelope(in);
    EXPECT_EQ(l.form.x, 1200);
    EXPECT_EQ(l.form.y, 600);
}

TEST(TrombelaPrintGeometry, HugeOffsetsClampInsteadOfWrapping) {
    EnvelopeInput in = Defaults(600);
    in.recipient_left = INT_MAX;
    in.sender_top = INT_MAX;
    const EnvelopeLayout l = LayoutEnvelope(in);
    EXPECT_EQ(l.form.x, INT_MAX);
    EXPECT_EQ(l.address[3].y, INT_MAX);
}

}  // namespace
}  // namespace trombela
