// A thin dialog base: binds the C++ object when the dialog is created and
// keeps exceptions from unwinding through the dialog manager.
#pragma once
#include <windows.h>

#include <string>

namespace qx {

class DialogBase {
public:
    virtual ~DialogBase() = default;
    HWND Hwnd() const { return hwnd_; }

protected:
    INT_PTR RunModal(HWND owner, int templateId);
    HWND CreateModeless(HWND owner, int templateId);
    virtual void OnInitDialog() {}
    // True when the command was handled.
    virtual bool OnCommand(int id) { return false; }
    virtual void OnDestroy() {}
    void End(INT_PTR result) { EndDialog(hwnd_, result); }
    void CentreOnScreen();
    void SetItemText(int id, const std::string& text);
    void ShowItem(int id, bool show);

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace qx
