#include "setup/pages/control_type.h"

#include <cstdio>

namespace qx::pages {

namespace {

// Ten pixels is the height limit of the minimum size rule; the thin controls
// (texts, bars, frames) use eight.
const ControlTypeInfo kTypes[] = {
    {ControlType::Button, "BUTTON", 0, "IDC_BUTTON%i", "Button %i", true, 10},
    {ControlType::Text, "TEXT", 1, "IDC_STATIC%i", "Text %i", true, 8},
    {ControlType::TextBox, "TEXTBOX", 2, "IDC_TEXT%i", nullptr, true, 10},
    {ControlType::ComboBox, "COMBOBOX", 3, "IDC_COMBO%i", nullptr, true, 10},
    {ControlType::Radio, "RADIO", 4, "IDC_RADIO%i", "Radio %i", true, 10},
    {ControlType::CheckBox, "CHECKBOX", 5, "IDC_CHECKBOX%i", "CheckBox%i", true, 10},
    {ControlType::GroupBox, "GROUPBOX", 6, "IDC_GROUPBOX%i", "GroupBox %i", false, 10},
    {ControlType::Rect, "RECT", 7, "IDC_RECT%i", nullptr, false, 0},
    {ControlType::Bitmap, "BITMAP", 8, "IDB_BITMAP%i", nullptr, false, 0},
    {ControlType::Hover, "HOVER", 8, "IDC_HOVER%i", nullptr, false, 0},
    {ControlType::Icon, "ICON", 9, "IDC_ICON%i", nullptr, false, 0},
    {ControlType::ListView, "LISTVIEW", 10, "IDC_LISTVIEW%i", "ListView%i", false, 8},
    {ControlType::Animation, "ANIMATION", 11, "IDC_ANIMATION%i", "Animation Box %i", false, 8},
    {ControlType::Progress, "PROGRESS", 12, "IDC_PROGRESS%i", nullptr, true, 8},
    {ControlType::TreeView, "TREEVIEW", 13, "IDC_TREEVIEW%i", nullptr, true, 8},
    {ControlType::RichText, "RICHTEXT", 14, "IDC_RICHTEXT%i", nullptr, true, 10},
    {ControlType::Frame, "FRAME", 15, "IDC_FRAME%i", nullptr, false, 8},
    {ControlType::HotSpot, "HOTSPOT", 16, "IDC_HOTSPOT%i", nullptr, false, 10},
};

const ControlTypeInfo kUnknown = {ControlType::Unknown, "", -1, "", nullptr, false, 0};

std::string FormatNumber(const char* format, int n) {
    if (!format) return std::string();
    char buf[64];  // formats are the short literals above; snprintf cuts, never overruns
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}

}  // namespace

ControlType ControlTypeFromName(const std::string& name) {
    for (const auto& t : kTypes)
        if (name == t.name) return t.type;
    return ControlType::Unknown;
}

const ControlTypeInfo& InfoOf(ControlType type) {
    for (const auto& t : kTypes)
        if (t.type == type) return t;
    return kUnknown;
}

std::string DefaultIdName(ControlType type, int n) { return FormatNumber(InfoOf(type).idNameFormat, n); }

std::string DefaultText(ControlType type, int n) { return FormatNumber(InfoOf(type).textFormat, n); }

}  // namespace qx::pages
