// Writing a language file's texts into the standard layouts on disk.
#pragma once
#include <string>

namespace qx {

// The system's default user-interface language, looked up at run time so the
// program still starts where the function does not exist; 0 then.
int GetUiLanguage();

// Rewrites the captions of the standard layouts in the theme folder (with
// trailing backslash) from the language file. A language file that does not
// exist changes nothing (false): its missing keys would otherwise empty
// every caption. Layouts missing from the theme are skipped.
bool ApplyLanguageToLayouts(const std::string& themeFolder, const std::string& languageFile);

// Writes the names of the package's language files (from its languages
// folder, or the package folder when there is none) as the list file into
// the work folder. False when it cannot be written.
bool WriteLanguageList(const std::string& packageFolder, const std::string& workFolder);

// The language file for a name, by the package's folder rule.
std::string LanguageFileFor(const std::string& packageFolder, const std::string& name);

}  // namespace qx
