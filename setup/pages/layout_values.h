// How single values of a layout file are read: yes/no flags, colours, file
// references, INFO records, DADOS properties and click numbers. Nothing here
// touches Windows, so every rule is exercised natively.
#pragma once
#include <string>
#include <vector>

namespace qx::pages {

struct Rgb {
    unsigned r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Font flags are on unless the value is exactly "No"; window switches and the
// link flag are on only when the value is exactly "Yes". Both conventions are
// in use by existing layouts, so neither can be "fixed" to the other.
bool OnUnlessNo(const std::string& value);
bool OnOnlyIfYes(const std::string& value);

// "COLOR_BTNFACE" and the empty text stand for the button face; everything
// else is passed on as written.
std::string NormaliseColour(const std::string& value, const Rgb& buttonFace);
std::string FormatColour(const Rgb& c);
// Red before the first comma, green between the commas, blue after the
// second; missing parts read 0 and components above 255 are held at 255.
Rgb ParseColour(const std::string& text);

// Folder part of a path, up to and including its last backslash or slash.
std::string FolderOf(const std::string& path);
std::string RemoveBraces(const std::string& value);
// A value with a '{' names a file beside the layout: braces go, folder in front.
std::string ApplyBraceRule(const std::string& value, const std::string& layoutFolder);

// Fields of an INFO record split at every comma, at most kMaxRecordFields;
// text beyond the last kept field is dropped.
std::vector<std::string> SplitRecord(const std::string& record);

struct Property {
    std::string label;
    std::string value;
    int kind = 0;
};
// "label|value|kind"; see the reader notes for texts with fewer bars.
Property ParseProperty(const std::string& text);

// Number written before the first '-' of a click value ("3 - Run App" is 3).
int ClickNumber(const std::string& value);
// The action number a control reports on click: -1 without any "On Click" or
// "Mouse Click" property or when one of them is empty, else the last one.
int ActionNumber(const std::vector<Property>& properties);

// Window position code from the first two characters of `startup`.
enum class Placement { Center, Keep, TopLeft, TopRight, BottomLeft, BottomRight };
Placement PlacementFromStartup(const std::string& startup);

struct Point { int x = 0, y = 0; };
// Layouts are drawn for a 25-pixel title bar; a smaller caption shrinks the
// window by the difference so the client area keeps its designed size.
int EffectiveHeight(int height, int captionHeight);
// Top-left corner of a window of the given outer size for the placement;
// Keep returns the current corner unchanged.
Point PlaceWindow(Placement placement, int screenWidth, int screenHeight, int width, int height,
                  Point current);

// TEXT alignment from the first character: 0 centre, 1 left, 2 right.
enum class Alignment { Unchanged, Left, Center, Right };
Alignment AlignmentFromValue(const std::string& value);

// Built-in icon number 0..7 for an "IDI..." name, -1 for an unknown IDI name,
// -2 when the value is not an IDI name (so it is a picture file).
constexpr int kNotBuiltInIcon = -2;
int BuiltInIconNumber(const std::string& value);

// Lines of a combo list file: each ended by CR LF; an unterminated last line
// is not an entry.
std::vector<std::string> ListFileEntries(const std::string& content);

}  // namespace qx::pages
