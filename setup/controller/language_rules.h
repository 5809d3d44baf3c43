// Language files and how their texts are written into the standard layouts.
#pragma once
#include "setup/base/key_value_reader.h"

#include <string>
#include <utility>
#include <vector>

namespace qx {

// "English" for 1033 and so on; empty for an identifier not in the table.
std::string LanguageNameForId(int id);

// "<package>languages\<name>.lan" when the languages folder exists, else
// "<package><name>.lan". The package folder carries its trailing backslash.
std::string LanguageFileLocation(const std::string& packageFolder, const std::string& name,
                                 bool languagesFolderExists);

// The language list offered on the language page: the names of the given
// language files (file names with ".lan", any case), without the package's
// own language.lan, sorted, one per CR LF line. It is written to the work
// folder as kLanguageListFile, where a combo box of the page can read it.
constexpr const char* kLanguageListFile = "languages.lst";
std::string LanguageListText(std::vector<std::string> fileNames);

// The standard layouts, in the order a language is applied to them.
const std::vector<std::string>& StandardLayouts();

struct LanguageKey {
    std::string section;  // empty: the control has no text in the language file
    std::string key;
};
LanguageKey LanguageKeyFor(const std::string& layout, const std::string& idName);

// Keys of control i's properties in a layout's DADOS section.
std::string LayoutPropertyKey(int control, int position);
// The identifier name in a position-0 property: between the first and second "|".
std::string IdNameOfProperty(const std::string& property);
// A language value as it becomes a caption: the text after the first "}",
// square brackets turned into angle brackets, in "Caption|%s|0".
std::string CaptionFromLanguageText(const std::string& value);

// The caption writes one layout receives: pairs of DADOS key and value.
std::vector<std::pair<std::string, std::string>> LanguageCaptionsFor(const std::string& layout,
                                                                     const KeyValueReader& layoutFile,
                                                                     const KeyValueReader& languageFile);

}  // namespace qx
