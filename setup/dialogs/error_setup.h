// The Retry/Ignore/Cancel box of failed installation steps. It may be opened
// from a worker thread; it then runs modally on that thread.
#pragma once
#include <windows.h>

#include <string>

namespace qx {

constexpr int kRetry = 1;
constexpr int kIgnore = 2;
constexpr int kCancel = 3;

class CErrorSetup {
public:
    int m_Mode = 0;  // 255: only Cancel is offered
    std::string m_Message;
    int m_Result = kCancel;
    INT_PTR DoModal(HWND owner);
};

}  // namespace qx
