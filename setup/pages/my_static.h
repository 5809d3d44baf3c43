// Pictures and icons (CMyStatic) and the etched frame (CMyEdge).
#pragma once
#include "setup/pages/control_window.h"
#include "setup/pages/ole_picture.h"

namespace qx::pages {

// Application icon resource of a built-in icon number 0..7; 0 for others.
int BuiltInIconResource(int number);

class CMyStatic : public CControlWindow {
public:
    enum class LoadResult { Loaded, NotFound, Unreadable };
    LoadResult LoadPicture(const std::string& path);
    // Icon mode with the application icon of a built-in number (0..7).
    void SetBuiltInIcon(int number);
    void SetBackgroundColor(const std::string& colour);

    bool PictureLoaded() const { return picture_.Loaded(); }
    int PictureWidth() const { return picture_.Width(); }
    int PictureHeight() const { return picture_.Height(); }
    bool IconMode() const { return iconMode_; }
    HICON Icon() const { return icon_; }

protected:
    void Reset() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    bool iconMode_ = false;
    HICON icon_ = nullptr;  // shared resource icon, never destroyed
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    OlePicture picture_;
};

class CMyEdge : public CControlWindow {
protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
};

}  // namespace qx::pages
