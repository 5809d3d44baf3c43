#include "setup/pages/my_tree_view.h"

#include "setup/pages/feature_lookup.h"

namespace qx::pages {

namespace {
constexpr int kIconSelected = 152;
constexpr int kIconNotSelected = 151;
}

void CMyTreeView::Reset() {
    closing_ = false;
    if (images_) ImageList_Destroy(images_);
    images_ = nullptr;
}

bool CMyTreeView::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (msg == WM_DESTROY) closing_ = true;
    return false;
}

void CMyTreeView::AttachImages() {
    if (!Handle()) return;
    if (images_) ImageList_Destroy(images_);
    images_ = ImageList_Create(32, 16, ILC_COLOR32 | ILC_MASK, 1, 4);
    if (!images_) return;
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (int id : {kIconSelected, kIconNotSelected}) {
        HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 16, 0));
        if (icon) {
            ImageList_AddIcon(images_, icon);
            DestroyIcon(icon);
        }
    }
    TreeView_SetImageList(Handle(), images_, TVSIL_NORMAL);
    TreeView_SetImageList(Handle(), images_, TVSIL_STATE);
}

int CMyTreeView::TrackFeatureMenu() {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMenuFeatureMenu));
    if (!menu) return 0;
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(Handle());
    int command = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, Handle(),
                                 nullptr);
    // Lets the menu's modal loop end cleanly before the next click.
    PostMessageA(Handle(), WM_NULL, 0, 0);
    DestroyMenu(menu);
    return command;
}

void CMyTreeView::ApplyFeatureChoice(HTREEITEM item, const std::string& feature, int command) {
    int state, image;
    if (command == kCmdInstallFeature) {
        state = kFeatureSelected;
        image = 0;
    } else if (command == kCmdSkipFeature) {
        state = kFeatureNotSelected;
        image = 1;
    } else {
        return;
    }
    if (host_) host_->SetFeatureState(feature, state);
    TVITEMA tv{};
    tv.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    tv.iImage = tv.iSelectedImage = image;
    SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void CMyTreeView::OnSelectionChanged(HTREEITEM item) {
    if (!item || closing_) return;
    char text[260] = {};  // the tree cuts longer texts to the buffer, never overruns
    TVITEMA tv{};
    tv.mask = TVIF_HANDLE | TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    if (!SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)) || !text[0]) return;
    std::string feature = text;
    if (host_) {
        if (auto description = FeatureDescription(host_->SetupScript(), feature))
            host_->ShowFeatureInfo(*description);
    }
    ApplyFeatureChoice(item, feature, TrackFeatureMenu());
}

bool CMyTreeView::OnNotify(const NMHDR& header, LRESULT* result) {
    switch (header.code) {
        case NM_CLICK:
        case NM_RCLICK:
            *result = 0;
            return true;
        case TVN_SELCHANGEDA:
            OnSelectionChanged(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem);
            *result = 0;
            return true;
        case TVN_SELCHANGEDW:
            OnSelectionChanged(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem);
            *result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace qx::pages
