// Where the stored files live. The program starts in its current directory;
// the location file may send it to another folder (a shared network folder,
// say). Paths here are plain strings so the rules can be checked natively.
#pragma once
#include "trombela/records.h"

#include <string>

namespace trombela {

// File names below the data folder, each starting with a backslash so they
// are appended to the folder unchanged.
inline constexpr const char kLocationFile[] = "\\Admini\\siec.dat";
inline constexpr const char kSettingsFile[] = "\\ADMINI\\dane_kop_1.dat";
inline constexpr const char kLogoFile[] = "\\ADMINI\\dane_kop_log_1.dat";
inline constexpr const char kOptionsFile[] = "\\ADMINI\\dane_kop_ori_1.dat";
inline constexpr const char kAddressFormFile[] = "\\ADMINI\\dane_kop_for.dat";
inline constexpr const char kProfileFolder[] = "\\Koperty";
inline constexpr const char kFontFolder[] = "FONT\\";
inline constexpr const char kFontFileName[] = "font_dolmen_2007.dat";

// The folder form used throughout: no trailing backslash, so "C:\" is "C:"
// and appending "\ADMINI\..." gives a well-formed path.
std::string WithoutTrailingBackslash(std::string folder);

// The location record written when none exists: kind 1 pointing at the
// starting folder (cut to what the record can hold), second folder empty.
LocationRecord InitialLocation(const std::string& current_dir);

// Kind 1 and 2 choose a stored folder; an empty one means the root of the
// current drive. Any other kind keeps the starting folder.
std::string ResolveDataFolder(const std::string& current_dir, const LocationRecord& location);

std::string DataFilePath(const std::string& folder, const char* name);

}  // namespace trombela
