#include "setup/dialogs/msg_box.h"

#include "setup/dialogs/modal_dialog.h"
#include "setup/resources/resource.h"

namespace qx {

namespace {

class MessageDialog : public DialogBase {
public:
    explicit MessageDialog(const std::string& text) : text_(text) {}
    INT_PTR Run(HWND parent) { return RunModal(parent, IDD_MSG); }

protected:
    void OnInitDialog() override { SetItemText(IDC_DIALOG_TEXT, text_); }
    bool OnCommand(int id) override {
        if (id != IDOK && id != IDCANCEL) return false;
        End(id);
        return true;
    }

private:
    const std::string& text_;
};

class WaitDialog : public DialogBase {
public:
    HWND Open(HWND owner) { return CreateModeless(owner, IDD_WAIT); }

protected:
    // A close message (or Escape) ends the modeless window.
    bool OnCommand(int id) override {
        if (id != IDCANCEL) return false;
        DestroyWindow(Hwnd());
        return true;
    }
};

}  // namespace

INT_PTR CMsg::DoModal(HWND owner) { return MessageDialog(m_Message).Run(owner); }

CWait::CWait() : dialog_(new WaitDialog()) {}

CWait::~CWait() { Close(); }

bool CWait::Create(HWND owner) {
    Close();
    hwnd_ = static_cast<WaitDialog*>(dialog_.get())->Open(owner);
    if (hwnd_) UpdateWindow(hwnd_);
    return hwnd_ != nullptr;
}

void CWait::Close() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

}  // namespace qx
