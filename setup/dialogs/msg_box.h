// The one-button message box.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

namespace qx {

class DialogBase;

class CMsg {
public:
    std::string m_Message;
    INT_PTR DoModal(HWND owner);
};

// The "please wait" window shown while system information is gathered:
// modeless, closed by the caller when the work is done.
class CWait {
public:
    CWait();
    ~CWait();
    bool Create(HWND owner);
    void Close();
    HWND Hwnd() const { return hwnd_; }

private:
    std::unique_ptr<DialogBase> dialog_;
    HWND hwnd_ = nullptr;
};

}  // namespace qx
