// The control types a layout record can name, with the per-type facts the
// reader and the page window share: pool, default id name, default text and
// which property positions mean what.
#pragma once
#include <string>

namespace qx::pages {

enum class ControlType {
    Button, Text, TextBox, ComboBox, Radio, CheckBox, GroupBox, Rect, Bitmap,
    Hover, Icon, ListView, Animation, Progress, TreeView, RichText, Frame,
    HotSpot, Unknown
};

// BITMAP and HOVER draw from the same pool, so there is one pool fewer than
// there are types.
constexpr int kPoolCount = 17;

struct ControlTypeInfo {
    ControlType type;
    const char* name;          // as written in field 5 of an INFO record
    int pool;                  // 0 .. kPoolCount - 1
    const char* idNameFormat;  // "%i" takes the per-pool number n
    const char* textFormat;    // initial window text, nullptr for none
    bool idNameAtZero;         // property 0 replaces the default id name
    int minimumHeightLimit;    // minimum size applies below this height; 0: no minimum rule
};

// Type of a record's field 5 (case-sensitive); Unknown for anything else,
// including the reserved names IMAGE and WINDOW.
ControlType ControlTypeFromName(const std::string& name);
const ControlTypeInfo& InfoOf(ControlType type);

// "IDC_BUTTON3" style name and "Button 3" style text for the n-th control
// (n from 1) of a pool. The text is empty for types without a default text.
std::string DefaultIdName(ControlType type, int n);
std::string DefaultText(ControlType type, int n);

}  // namespace qx::pages
