// Texts of the small dialogs come from the language file in force and may
// name path variables; the controller supplies the expansion.
#pragma once
#include <functional>
#include <string>

namespace qx {

// A value of the language file (g_LanguageFile), read as the profile API reads it.
std::string LanguageText(const char* section, const char* key);
// "[" and "]" turned into "<" and ">", then the controller's expansion.
std::string TurnBracketsAndExpand(const std::string& text);
// Set by the controller once it can expand; without it texts stay as they are.
void SetDialogTextExpander(std::function<std::string(const std::string&)> expander);

}  // namespace qx
