// What a page layout file describes once read: the page window's settings
// and the control records in list order (list position k holds INFO key k).
#pragma once
#include "setup/pages/control_type.h"
#include "setup/pages/layout_values.h"

#include <string>
#include <vector>

namespace qx::pages {

struct PageSettings {
    std::string idcname, caption, bkimage, border, startup, bkcolor, width, height, soundfile,
        minwindow, maxwindow, closewindow, fontname, fontsize, fontbold, fontitalic;
    int widthPixels = 0;
    int heightPixels = 0;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct ControlRecord {
    int key = 0;                 // INFO key the record came from
    ControlType type = ControlType::Unknown;
    std::string typeName;
    Rect rect;                   // after the size rules the reader can apply
    std::string text;            // picture file of a BITMAP or HOVER
    std::string secondText;
    int windowId = 0;            // kFirstControlId and up, in creation order
    int poolIndex = 0;           // object index within the type's pool
    int creationNumber = 0;      // controls created on the page before this one
    std::vector<Property> properties;  // at most kMaxProperties
    std::string clickAction = "[Do Nothing]";
    std::string actionArgument;
    std::string idName;          // default "IDC_BUTTON%i" style or property 0
    std::string defaultText;     // window text until a property replaces it
    int actionNumber = -1;       // what a click reports to the controller

    // Value at a property position, empty when the control has fewer.
    const std::string& Value(int position) const;
    bool Has(int position) const { return position >= 0 && position < static_cast<int>(properties.size()); }
};

struct PageLayout {
    PageSettings window;
    std::vector<ControlRecord> controls;  // list order
    int skippedRecords = 0;  // known types refused because a pool or the list was full
};

// Minimum size, fixed RECT and ICON sizes; the picture sizes of BITMAP and
// HOVER and the combo height need the window system and are applied later.
Rect ApplySizeRule(ControlType type, const Rect& given);

}  // namespace qx::pages
