// Control classes that add nothing to their standard control but give every
// layout type its own class: drop-down list, progress bar, rich-text viewer
// and edit box.
#pragma once
#include "setup/pages/control_window.h"

namespace qx::pages {

class CMyComboItem : public CControlWindow {};
class CMyProgress : public CControlWindow {};

class CMyRichText : public CControlWindow {
public:
    // Window class of the rich-edit library, loaded by name once per
    // process; nullptr when the library is missing.
    static const char* WindowClass();
};

class CEditBox : public CControlWindow {
public:
    // Texts and colours of edit boxes come from the page behaviours, not
    // from the layout.
    void SetText(const std::string&) {}
    void SetBackgroundColor(const std::string&) {}
};

}  // namespace qx::pages
