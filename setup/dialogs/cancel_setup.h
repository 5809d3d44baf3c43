// The two-button question box: the cancel question (mode 0), other yes/no
// questions (mode 333) and error reports with a single button (mode 255).
// Texts follow the language file in force.
#pragma once
#include <windows.h>

#include <string>

namespace qx {

constexpr int kCancelQuestion = 0;
constexpr int kYesNoQuestion = 333;
constexpr int kErrorReport = 255;

class CCancelSetup {
public:
    int m_Mode = kCancelQuestion;
    std::string m_Message;
    // Modal run; IDOK (1) when the user confirmed, IDCANCEL (2) otherwise.
    INT_PTR DoModal(HWND owner);
};

}  // namespace qx
