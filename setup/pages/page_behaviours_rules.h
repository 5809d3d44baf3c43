// Text rules of the standard page behaviours that need no window: the Ready
// page's summary and the small name checks the page start-up uses.
#pragma once
#include <string>

namespace qx::pages {

struct ReadySummaryValues {
    int setupType = 0;  // 0 typical, 1 minimal, 2 custom; others name no type
    std::string installDir;
    std::string userName;
    std::string organisation;
};

// The summary shown in IDC_SETTINGS, with CR LF line ends.
std::string BuildReadySummary(const ReadySummaryValues& values);

// A set-up type the page can show: 0, 1 or 2; anything else counts as 0.
int NormalisedSetupType(int type);

// Licence and read-me files whose path names ".rtf" (any case) are rich text.
bool IsRichTextPath(const std::string& path);

// The file-name part of a path (after the last backslash or slash).
std::string FileNamePart(const std::string& path);

// The registry root named by its full name; 0 when the name is none of the
// five roots (the caller then writes nothing).
enum class RegistryRootName { None, ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };
RegistryRootName ParseRegistryRoot(const std::string& name);

}  // namespace qx::pages
