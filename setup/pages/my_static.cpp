#include "setup/pages/my_static.h"

#include "setup/base/file_system.h"

#include "setup/base/unique_handle.h"

namespace qx::pages {

int BuiltInIconResource(int number) {
    static const int kResources[] = {141, 132, 135, 133, 134, 138, 137, 136};
    return number >= 0 && number < 8 ? kResources[number] : 0;
}

void CMyStatic::Reset() {
    iconMode_ = false;
    icon_ = nullptr;
    background_ = GetSysColor(COLOR_BTNFACE);
    picture_.Clear();
}

CMyStatic::LoadResult CMyStatic::LoadPicture(const std::string& path) {
    if (!FileExists(path)) {
        picture_.Clear();
        return LoadResult::NotFound;
    }
    LoadResult result = picture_.Load(path) ? LoadResult::Loaded : LoadResult::Unreadable;
    Repaint();
    return result;
}

void CMyStatic::SetBuiltInIcon(int number) {
    iconMode_ = true;
    int resource = BuiltInIconResource(number);
    icon_ = resource ? LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource)) : nullptr;
    Repaint();
}

void CMyStatic::SetBackgroundColor(const std::string& colour) {
    background_ = ParseColorRef(colour);
    Repaint();
}

bool CMyStatic::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (iconMode_) {
        RECT rc;
        GetClientRect(Handle(), &rc);
        unique_hbrush fill(CreateSolidBrush(background_));
        FillRect(dc, &rc, fill.get());
        if (icon_) DrawIconEx(dc, 0, 0, icon_, 32, 32, 0, nullptr, DI_NORMAL);
    } else if (picture_.Loaded()) {
        picture_.Draw(dc, 0, 0, background_);
    } else {
        // Nothing of our own to show: the page shows through.
        PaintPageUnder(Handle(), dc);
    }
    EndPaint(Handle(), &ps);
    *result = 0;
    return true;
}

bool CMyEdge::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT rc;
    GetClientRect(Handle(), &rc);
    PaintPageUnder(Handle(), dc);
    DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
    EndPaint(Handle(), &ps);
    *result = 0;
    return true;
}

}  // namespace qx::pages
