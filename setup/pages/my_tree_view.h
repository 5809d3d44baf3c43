// The feature tree (CMyTreeView): every selection change offers the feature
// menu and records the choice in the host's feature table.
#pragma once
#include "setup/base/unique_handle.h"
#include "setup/pages/control_window.h"
#include "setup/pages/page_host.h"

#include <commctrl.h>

namespace qx::pages {

class CMyTreeView : public CControlWindow {
public:
    void SetHost(IPageHost* host) { host_ = host; }
    // Builds the 32 x 16 image list of icons 152 and 151 and gives it to the
    // tree as both its normal and its state image list.
    void AttachImages();
    // What a menu choice does to the item and the feature table; any other
    // command changes nothing.
    void ApplyFeatureChoice(HTREEITEM item, const std::string& feature, int command);
    bool OnNotify(const NMHDR& header, LRESULT* result) override;

protected:
    void Reset() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    // Shows the menu and returns the chosen command, 0 when dismissed.
    virtual int TrackFeatureMenu();

private:
    void OnSelectionChanged(HTREEITEM item);
    IPageHost* host_ = nullptr;
    // A tree being destroyed moves its selection while it drops its items;
    // that is no user's choice and must not open the menu.
    bool closing_ = false;
    HIMAGELIST images_ = nullptr;  // destroyed with the tree window's next reset
};

}  // namespace qx::pages
