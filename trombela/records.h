// The program's stored files. Each file holds exactly one fixed-size record and
// nothing else, so these layouts are the whole file format: the window, the
// tests and any tool that edits the files go through these codecs.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace trombela {

using Bytes = std::vector<std::uint8_t>;

// Raised when a buffer is shorter than the record it should hold.
class RecordSizeError : public std::length_error {
public:
    RecordSizeError(std::size_t wanted, std::size_t got);
};

// `\Admini\siec.dat`: where the data folder really is.
struct LocationRecord {
    std::uint8_t kind = 0;  // 1 = first folder, 2 = second folder, else current
    std::string first;
    std::string second;
};
constexpr std::size_t kFolderCapacity = 200;
constexpr std::size_t kLocationRecordSize = 403;

// `\ADMINI\dane_kop_1.dat`: sender lines and every position typed in mm.
struct SettingsRecord {
    static constexpr std::size_t kSizes = 4;
    std::array<std::string, 4> sender;           // n1..n4
    std::array<std::string, kSizes> recipient_left;  // l1..l4
    std::array<std::string, kSizes> recipient_top;   // g1..g4
    std::string spacing;                         // od
    std::string sender_left;                     // l_n
    std::string sender_top;                      // g_n
};
constexpr std::size_t kSenderLineCapacity = 80;
constexpr std::size_t kOffsetCapacity = 5;
constexpr std::size_t kSenderOffsetCapacity = 50;
constexpr std::size_t kSettingsRecordSize = 480;
SettingsRecord DefaultSettings();

// `\ADMINI\dane_kop_log_1.dat`: logo picture path and its offset in pixels.
struct LogoRecord {
    std::string path;  // nazwa
    std::string left;  // l_log
    std::string top;   // g_log
};
constexpr std::size_t kLogoPathCapacity = 230;
constexpr std::size_t kLogoRecordSize = 243;

// `\ADMINI\dane_kop_ori_1.dat`. Bytes are kept raw: a value other than 0 or 1
// in a flag means "leave the box as it is" when applied.
struct OptionsRecord {
    std::uint8_t size = 0;  // 1..4, 0 = none stored
    std::uint8_t print_logo = 0;
    std::uint8_t landscape = 0;
};
constexpr std::size_t kOptionsRecordSize = 3;

// `\ADMINI\dane_kop_for.dat`: the last form of address.
constexpr std::size_t kAddressFormCapacity = 20;
constexpr std::size_t kAddressFormRecordSize = 21;

// A `.pro` file: the three records above, back to back.
struct ProfileRecord {
    SettingsRecord settings;
    LogoRecord logo;
    OptionsRecord options;
};
constexpr std::size_t kProfileRecordSize = 726;

Bytes EncodeLocation(const LocationRecord& r);
LocationRecord DecodeLocation(const Bytes& b);
Bytes EncodeSettings(const SettingsRecord& r);
SettingsRecord DecodeSettings(const Bytes& b);
Bytes EncodeLogo(const LogoRecord& r);
LogoRecord DecodeLogo(const Bytes& b);
Bytes EncodeOptions(const OptionsRecord& r);
OptionsRecord DecodeOptions(const Bytes& b);
Bytes EncodeAddressForm(const std::string& form);
std::string DecodeAddressForm(const Bytes& b);
Bytes EncodeProfile(const ProfileRecord& r);
ProfileRecord DecodeProfile(const Bytes& b);

}  // namespace trombela
