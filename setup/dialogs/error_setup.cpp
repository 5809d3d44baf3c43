#include "setup/dialogs/error_setup.h"

#include "setup/dialogs/modal_dialog.h"
#include "setup/resources/resource.h"

namespace qx {

namespace {

class ErrorDialog : public DialogBase {
public:
    explicit ErrorDialog(CErrorSetup& owner) : owner_(owner) {}
    INT_PTR Run(HWND parent) { return RunModal(parent, IDD_ERROR_SETUP); }

protected:
    void OnInitDialog() override {
        CentreOnScreen();
        if (owner_.m_Mode == 255) {
            SetItemText(IDC_DIALOG_TEXT, owner_.m_Message);
            ShowItem(IDC_RETRY, false);
            ShowItem(IDC_IGNORE, false);
            // Enter must not reach the hidden default button.
            SendMessageA(Hwnd(), DM_SETDEFID, IDCANCEL, 0);
            SetFocus(GetDlgItem(Hwnd(), IDCANCEL));
        }
        if (!owner_.m_Message.empty()) SetItemText(IDC_DIALOG_TEXT, owner_.m_Message);
    }
    bool OnCommand(int id) override {
        int result = 0;
        if (id == IDC_RETRY && owner_.m_Mode != 255) result = kRetry;
        else if (id == IDC_IGNORE && owner_.m_Mode != 255) result = kIgnore;
        else if (id == IDCANCEL) result = kCancel;
        if (!result) return id == IDC_RETRY || id == IDC_IGNORE;
        owner_.m_Result = result;
        End(result);
        return true;
    }

private:
    CErrorSetup& owner_;
};

}  // namespace

INT_PTR CErrorSetup::DoModal(HWND owner) {
    m_Result = kCancel;
    return ErrorDialog(*this).Run(owner);
}

}  // namespace qx
