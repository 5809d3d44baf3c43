// The program keeps and stores every text in code page 1250 whatever the
// system's own code page, so its files read the same on any machine; windows
// get the text as UTF-16, which shows the Polish letters correctly even where
// the system's ANSI code page is not the Polish one.
#pragma once
#include <string>

namespace trombela {

std::wstring Widen(const std::string& cp1250);
// Characters that code page 1250 cannot hold become '?'.
std::string Narrow(const std::wstring& text);

}  // namespace trombela
