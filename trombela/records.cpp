#include "trombela/records.h"

#include "trombela/short_string.h"

#include <algorithm>

namespace trombela {
namespace {

// Field offsets of the settings record, in file order.
constexpr std::size_t kSenderLineSize = ShortStringSize(kSenderLineCapacity);
constexpr std::size_t kOffsetSize = ShortStringSize(kOffsetCapacity);
constexpr std::size_t kSenderOffsetSize = ShortStringSize(kSenderOffsetCapacity);
constexpr std::size_t kLeftAt = 4 * kSenderLineSize;
constexpr std::size_t kTopAt = kLeftAt + SettingsRecord::kSizes * kOffsetSize;
constexpr std::size_t kSpacingAt = kTopAt + SettingsRecord::kSizes * kOffsetSize;
constexpr std::size_t kSenderLeftAt = kSpacingAt + kOffsetSize;
constexpr std::size_t kSenderTopAt = kSenderLeftAt + kSenderOffsetSize;
static_assert(kLeftAt == 324 && kTopAt == 348 && kSpacingAt == 372);
static_assert(kSenderLeftAt == 378 && kSenderTopAt == 429);
static_assert(kSenderTopAt + kSenderOffsetSize == kSettingsRecordSize);

constexpr std::size_t kLogoLeftAt = ShortStringSize(kLogoPathCapacity);
constexpr std::size_t kLogoTopAt = kLogoLeftAt + kOffsetSize;
static_assert(kLogoLeftAt == 231 && kLogoTopAt == 237);
static_assert(kLogoTopAt + kOffsetSize == kLogoRecordSize);

constexpr std::size_t kSecondFolderAt = 1 + ShortStringSize(kFolderCapacity);
static_assert(kSecondFolderAt == 202);
static_assert(kSecondFolderAt + ShortStringSize(kFolderCapacity) == kLocationRecordSize);

static_assert(ShortStringSize(kAddressFormCapacity) == kAddressFormRecordSize);
static_assert(kSettingsRecordSize + kLogoRecordSize + kOptionsRecordSize == kProfileRecordSize);

void Require(const Bytes& b, std::size_t size) {
    if (b.size() < size) throw RecordSizeError(size, b.size());
}

void PutSettings(std::uint8_t* p, const SettingsRecord& r) {
    for (std::size_t i = 0; i < r.sender.size(); ++i)
        PutShortString(p + i * kSenderLineSize, kSenderLineCapacity, r.sender[i]);
    for (std::size_t i = 0; i < SettingsRecord::kSizes; ++i) {
        PutShortString(p + kLeftAt + i * kOffsetSize, kOffsetCapacity, r.recipient_left[i]);
        PutShortString(p + kTopAt + i * kOffsetSize, kOffsetCapacity, r.recipient_top[i]);
    }
    PutShortString(p + kSpacingAt, kOffsetCapacity, r.spacing);
    PutShortString(p + kSenderLeftAt, kSenderOffsetCapacity, r.sender_left);
    PutShortString(p + kSenderTopAt, kSenderOffsetCapacity, r.sender_top);
}

SettingsRecord GetSettings(const std::uint8_t* p) {
    SettingsRecord r;
    for (std::size_t i = 0; i < r.sender.size(); ++i)
        r.sender[i] = GetShortString(p + i * kSenderLineSize, kSenderLineCapacity);
    for (std::size_t i = 0; i < SettingsRecord::kSizes; ++i) {
        r.recipient_left[i] = GetShortString(p + kLeftAt + i * kOffsetSize, kOffsetCapacity);
        r.recipient_top[i] = GetShortString(p + kTopAt + i * kOffsetSize, kOffsetCapacity);
    }
    r.spacing = GetShortString(p + kSpacingAt, kOffsetCapacity);
    r.sender_left = GetShortString(p + kSenderLeftAt, kSenderOffsetCapacity);
    r.sender_top = GetShortString(p + kSenderTopAt, kSenderOffsetCapacity);
    return r;
}

void PutLogo(std::uint8_t* p, const LogoRecord& r) {
    PutShortString(p, kLogoPathCapacity, r.path);
    PutShortString(p + kLogoLeftAt, kOffsetCapacity, r.left);
    PutShortString(p + kLogoTopAt, kOffsetCapacity, r.top);
}

LogoRecord GetLogo(const std::uint8_t* p) {
    return {GetShortString(p, kLogoPathCapacity), GetShortString(p + kLogoLeftAt, kOffsetCapacity),
            GetShortString(p + kLogoTopAt, kOffsetCapacity)};
}

void PutOptions(std::uint8_t* p, const OptionsRecord& r) {
    p[0] = r.size;
    p[1] = r.print_logo;
    p[2] = r.landscape;
}

OptionsRecord GetOptions(const std::uint8_t* p) { return {p[0], p[1], p[2]}; }

}  // namespace

RecordSizeError::RecordSizeError(std::size_t wanted, std::size_t got)
    : std::length_error("record needs " + std::to_string(wanted) + " bytes, got " +
                        std::to_string(got)) {}

SettingsRecord DefaultSettings() {
    SettingsRecord r;
    r.recipient_left = {"50", "100", "150", "200"};
    r.recipient_top = {"50", "100", "150", "200"};
    r.spacing = "5";
    r.sender_left = "5";
    r.sender_top = "5";
    return r;
}

Bytes EncodeLocation(const LocationRecord& r) {
    Bytes b(kLocationRecordSize, 0);
    b[0] = r.kind;
    PutShortString(b.data() + 1, kFolderCapacity, r.first);
    PutShortString(b.data() + kSecondFolderAt, kFolderCapacity, r.second);
    return b;
}

LocationRecord DecodeLocation(const Bytes& b) {
    Require(b, kLocationRecordSize);
    return {b[0], GetShortString(b.data() + 1, kFolderCapacity),
            GetShortString(b.data() + kSecondFolderAt, kFolderCapacity)};
}

Bytes EncodeSettings(const SettingsRecord& r) {
    Bytes b(kSettingsRecordSize, 0);
    PutSettings(b.data(), r);
    return b;
}

SettingsRecord DecodeSettings(const Bytes& b) {
    Require(b, kSettingsRecordSize);
    return GetSettings(b.data());
}

Bytes EncodeLogo(const LogoRecord& r) {
    Bytes b(kLogoRecordSize, 0);
    PutLogo(b.data(), r);
    return b;
}

LogoRecord DecodeLogo(const Bytes& b) {
    Require(b, kLogoRecordSize);
    return GetLogo(b.data());
}

Bytes EncodeOptions(const OptionsRecord& r) {
    Bytes b(kOptionsRecordSize, 0);
    PutOptions(b.data(), r);
    return b;
}

OptionsRecord DecodeOptions(const Bytes& b) {
    Require(b, kOptionsRecordSize);
    return GetOptions(b.data());
}

Bytes EncodeAddressForm(const std::string& form) {
    Bytes b(kAddressFormRecordSize, 0);
    PutShortString(b.data(), kAddressFormCapacity, form);
    return b;
}

std::string DecodeAddressForm(const Bytes& b) {
    Require(b, kAddressFormRecordSize);
    return GetShortString(b.data(), kAddressFormCapacity);
}

Bytes EncodeProfile(const ProfileRecord& r) {
    Bytes b(kProfileRecordSize, 0);
    PutSettings(b.data(), r.settings);
    PutLogo(b.data() + kSettingsRecordSize, r.logo);
    PutOptions(b.data() + kSettingsRecordSize + kLogoRecordSize, r.options);
    return b;
}

ProfileRecord DecodeProfile(const Bytes& b) {
    Require(b, kProfileRecordSize);
    return {GetSettings(b.data()), GetLogo(b.data() + kSettingsRecordSize),
            GetOptions(b.data() + kSettingsRecordSize + kLogoRecordSize)};
}

}  // namespace trombela
