// Small path rules of the package location step.
#pragma once
#include <string>

namespace qx {

std::string WithTrailingBackslash(const std::string& path);
// Root of the package folder's drive: "C:\" for "C:\pkg\"; a UNC path gives "\".
std::string CurrentDriveOf(const std::string& packageFolder);
// Where a "^!" theme file beside setup goes: every "^!" removed from the path.
std::string ThemeFileDestination(const std::string& themeFolder, const std::string& fileName);
// "qx" followed by hours, minutes and seconds, two digits each.
std::string WorkFolderName(int hour, int minute, int second);
// The file-name part of a path: the text after its last backslash.
std::string FileNamePart(const std::string& path);
// "<ResourceDir>" resolution: into the work folder when resources ship in the
// payload, else into the DiskImage1 folder. Texts without the token are kept.
std::string ResolveResourceText(const std::string& text, bool resourcesInPayload,
                                const std::string& workFolderName, const std::string& packageFolder);

}  // namespace qx
