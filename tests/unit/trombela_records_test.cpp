#include "trombela/font_record.h"
#include "trombela/records.h"
#include "trombela/short_string.h"

#include <gtest/gtest.h>

#include <string>

namespace trombela {
namespace {

std::string At(const Bytes& b, std::size_t offset) {
    // Short string as stored: length byte, then that many characters.
    return std::string(reinterpret_cast<const char*>(b.data() + offset + 1), b[offset]);
}

bool AllZero(const Bytes& b, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (b[i] != 0) return false;
    return true;
}

TEST(TrombelaShortString, CutsToCapacityAndZeroesTheRest) {
    struct Case {
        std::size_t capacity;
        std::string text;
        std::string stored;
    } cases[] = {
        {5, "", ""},
        {5, "50", "50"},
        {5, "12345", "12345"},
        {5, "12345678", "12345"},
        {80, std::string(100, 'x'), std::string(80, 'x')},
        {20, "Szanowna Pani Profesor", "Szanowna Pani Profes"},
        {300, std::string(300, 'y'), std::string(255, 'y')},  // length byte limit
    };
    for (const auto& c : cases) {
        Bytes field(ShortStringSize(c.capacity), 0xAA);
        PutShortString(field.data(), c.capacity, c.text);
        EXPECT_EQ(field[0], std::min<std::size_t>(c.stored.size(), 255)) << c.text;
        EXPECT_EQ(GetShortString(field.data(), c.capacity), c.stored);
        EXPECT_TRUE(AllZero(field, 1 + c.stored.size(), field.size())) << c.text;
    }
}

TEST(TrombelaShortString, LengthByteBeyondCapacityReadsOnlyTheField) {
    Bytes field = {200, 'a', 'b', 'c', 'd', 'e', 'Z', 'Z'};
    EXPECT_EQ(GetShortString(field.data(), 5), "abcde");
}

TEST(TrombelaRecords, DefaultSettingsFileBytes) {
    const Bytes b = EncodeSettings(DefaultSettings());
    ASSERT_EQ(b.size(), 480u);
    struct Field {
        std::size_t offset;
        const char* text;
    } fields[] = {{0, ""},      {81, ""},    {162, ""},   {243, ""},   {324, "50"},
                  {330, "100"}, {336, "150"}, {342, "200"}, {348, "50"}, {354, "100"},
                  {360, "150"}, {366, "200"}, {372, "5"},  {378, "5"},  {429, "5"}};
    for (const auto& f : fields) EXPECT_EQ(At(b, f.offset), f.text) << "offset " << f.offset;
    // Bytes after each length are zero in a freshly created file.
    EXPECT_TRUE(AllZero(b, 1, 324));
    EXPECT_TRUE(AllZero(b, 379 + 1, 429));
    EXPECT_TRUE(AllZero(b, 430 + 1, 480));
}

SettingsRecord SampleSettings() {
    SettingsRecord s;
    s.sender = {"Jan Kowalski", "ul. Źródlana 7", std::string(100, 'n'), "00-950 Łódź"};
    s.recipient_left = {"11", "22", "12345678", "-4"};
    s.recipient_top = {"$1F", "0x10", "7abc", ""};
    s.spacing = "12345678";
    s.sender_left = std::string(60, '9');
    s.sender_top = "20";
    return s;
}

SettingsRecord AsStored(SettingsRecord s) {
    s.sender[2].resize(80);
    s.recipient_left[2].resize(5);
    s.spacing.resize(5);
    s.sender_left.resize(50);
    return s;
}

void ExpectSame(const SettingsRecord& a, const SettingsRecord& b) {
    EXPECT_EQ(a.sender, b.sender);
    EXPECT_EQ(a.recipient_left, b.recipient_left);
    EXPECT_EQ(a.recipient_top, b.recipient_top);
    EXPECT_EQ(a.spacing, b.spacing);
    EXPECT_EQ(a.sender_left, b.sender_left);
    EXPECT_EQ(a.sender_top, b.sender_top);
}

TEST(TrombelaRecords, SettingsRoundTripCutsToCapacity) {
    const Bytes b = EncodeSettings(SampleSettings());
    ASSERT_EQ(b.size(), 480u);
    EXPECT_EQ(At(b, 162), std::string(80, 'n'));
    EXPECT_EQ(At(b, 336), "12345");
    EXPECT_EQ(At(b, 372), "12345");
    EXPECT_EQ(At(b, 378), std::string(50, '9'));
    EXPECT_EQ(At(b, 429), "20");
    ExpectSame(DecodeSettings(b), AsStored(SampleSettings()));
}

TEST(TrombelaRecords, LogoRecordLayout) {
    EXPECT_EQ(EncodeLogo({}), Bytes(243, 0));
    const LogoRecord r{"C:\\Obrazy\\" + std::string(300, 'p'), "10", "200000"};
    const Bytes b = EncodeLogo(r);
    ASSERT_EQ(b.size(), 243u);
    EXPECT_EQ(b[0], 230);
    EXPECT_EQ(At(b, 231), "10");
    EXPECT_EQ(At(b, 237), "20000");
    const LogoRecord back = DecodeLogo(b);
    EXPECT_EQ(back.path, r.path.substr(0, 230));
    EXPECT_EQ(back.left, "10");
    EXPECT_EQ(back.top, "20000");
}

TEST(TrombelaRecords, OptionsAndAddressForm) {
    EXPECT_EQ(EncodeOptions({}), Bytes(3, 0));
    EXPECT_EQ(EncodeOptions({3, 1, 0}), (Bytes{3, 1, 0}));
    const OptionsRecord o = DecodeOptions(Bytes{4, 0, 7});
    EXPECT_EQ(o.size, 4);
    EXPECT_EQ(o.print_logo, 0);
    EXPECT_EQ(o.landscape, 7);  // kept raw: applying it leaves the box alone

    EXPECT_EQ(EncodeAddressForm(""), Bytes(21, 0));
    const Bytes f = EncodeAddressForm("Szanowny Pan Dyrektor Generalny");
    ASSERT_EQ(f.size(), 21u);
    EXPECT_EQ(f[0], 20);
    EXPECT_EQ(DecodeAddressForm(f), "Szanowny Pan Dyrekto");
}

TEST(TrombelaRecords, ProfileIsTheThreeRecordsBackToBack) {
    ProfileRecord p{SampleSettings(), {"C:\\logo.jpg", "10", "20"}, {2, 1, 1}};
    const Bytes b = EncodeProfile(p);
    ASSERT_EQ(b.size(), 726u);
    const Bytes settings = EncodeSettings(p.settings), logo = EncodeLogo(p.logo),
                options = EncodeOptions(p.options);
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), b.begin()));
    EXPECT_TRUE(std::equal(logo.begin(), logo.end(), b.begin() + 480));
    EXPECT_TRUE(std::equal(options.begin(), options.end(), b.begin() + 723));
    const ProfileRecord back = DecodeProfile(b);
    ExpectSame(back.settings, AsStored(SampleSettings()));
    EXPECT_EQ(back.logo.path, "C:\\logo.jpg");
    EXPECT_EQ(back.logo.left, "10");
    EXPECT_EQ(back.logo.top, "20");
    EXPECT_EQ(back.options.size, 2);
    EXPECT_EQ(back.options.print_logo, 1);
    EXPECT_EQ(back.options.landscape, 1);
}

TEST(TrombelaRecords, ShortBuffersAreRefused) {
    EXPECT_THROW(DecodeSettings(Bytes(479, 0)), RecordSizeError);
    EXPECT_THROW(DecodeLogo(Bytes(242, 0)), RecordSizeError);
    EXPECT_THROW(DecodeOptions(Bytes(2, 0)), RecordSizeError);
    EXPECT_THROW(DecodeAddressForm(Bytes(20, 0)), RecordSizeError);
    EXPECT_THROW(DecodeProfile(Bytes(725, 0)), RecordSizeError);
    EXPECT_THROW(DecodeLocation(Bytes(402, 0)), RecordSizeError);
    EXPECT_THROW(DecodeFont(Bytes(75, 0)), RecordSizeError);
}

TEST(TrombelaFontRecord, ArialFourteenBoldDarkRed) {
    PrintFont f;
    f.face = "Arial";
    f.size = 14;
    f.style = kFontBold;
    f.colour = 0x00000080;
    const Bytes b = EncodeFont(f);
    Bytes expected(76, 0);
    expected[0] = 0x80;
    expected[4] = 5;
    for (int i = 0; i < 5; ++i) expected[5 + i] = "Arial"[i];
    expected[68] = 14;
    expected[72] = 1;
    EXPECT_EQ(b, expected);
}

TEST(TrombelaFontRecord, RoundTripAndCut) {
    struct Case {
        PrintFont in;
        std::string face;
    } cases[] = {
        {{0xFF000012u, "Tahoma", 8, kFontItalic | kFontUnderline}, "Tahoma"},
        {{0x00FF00FFu, std::string(70, 'F'), -3, 0xFF}, std::string(60, 'F')},
        {{0, "", 0, 0}, ""},
    };
    for (const auto& c : cases) {
        const Bytes b = EncodeFont(c.in);
        ASSERT_EQ(b.size(), 76u);
        EXPECT_TRUE(AllZero(b, 65, 68));
        EXPECT_TRUE(AllZero(b, 73, 76));
        const PrintFont back = DecodeFont(b);
        EXPECT_EQ(back.colour, c.in.colour);
        EXPECT_EQ(back.face, c.face);
        EXPECT_EQ(back.size, c.in.size);
        EXPECT_EQ(back.style, c.in.style & 0x0F);
    }
}

}  // namespace
}  // namespace trombela
