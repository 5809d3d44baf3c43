#include "setup/dialogs/cancel_setup.h"

#include "setup/dialogs/dialog_texts.h"
#include "setup/dialogs/modal_dialog.h"
#include "setup/resources/resource.h"

namespace qx {

namespace {

class CancelDialog : public DialogBase {
public:
    explicit CancelDialog(const CCancelSetup& owner) : owner_(owner) {}
    INT_PTR Run(HWND parent) { return RunModal(parent, IDD_CANCEL_SETUP); }

protected:
    void OnInitDialog() override {
        CentreOnScreen();
        switch (owner_.m_Mode) {
        case kErrorReport:
            SetItemText(IDC_DIALOG_TEXT, owner_.m_Message);
            SetItemText(IDCANCEL, TurnBracketsAndExpand(LanguageText("SetupError", "3")));
            ShowItem(IDOK, false);
            break;
        case kYesNoQuestion:
            SetItemText(IDC_DIALOG_TEXT, owner_.m_Message);
            SetItemText(IDCANCEL, LanguageText("CancelSetup", "1"));
            SetItemText(IDOK, LanguageText("CancelSetup", "2"));
            break;
        default:
            SetItemText(IDC_DIALOG_TEXT, TurnBracketsAndExpand(LanguageText("CancelSetup", "0")));
            SetItemText(IDCANCEL, LanguageText("CancelSetup", "1"));
            SetItemText(IDOK, LanguageText("CancelSetup", "2"));
            break;
        }
    }
    bool OnCommand(int id) override {
        if (id == IDOK && owner_.m_Mode == kErrorReport) return true;  // the hidden button stays inert
        if (id == IDOK || id == IDCANCEL) {
            End(id);
            return true;
        }
        return false;
    }

private:
    const CCancelSetup& owner_;
};

}  // namespace

INT_PTR CCancelSetup::DoModal(HWND owner) { return CancelDialog(*this).Run(owner); }

}  // namespace qx
