#include "setup/pages/layout_values.h"

#include "setup/base/key_value_reader.h"
#include "setup/pages/layout_limits.h"

#include <algorithm>
#include <cstdio>

namespace qx::pages {

bool OnUnlessNo(const std::string& value) { return value != "No"; }
bool OnOnlyIfYes(const std::string& value) { return value == "Yes"; }

std::string FormatColour(const Rgb& c) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%u,%u,%u", c.r, c.g, c.b);
    return buf;
}

std::string NormaliseColour(const std::string& value, const Rgb& buttonFace) {
    if (value.empty() || value == "COLOR_BTNFACE") return FormatColour(buttonFace);
    return value;
}

Rgb ParseColour(const std::string& text) {
    auto component = [](const std::string& part) {
        int n = LeadingNumber(part);
        return static_cast<unsigned>(std::clamp(n, 0, 255));
    };
    std::size_t first = text.find(',');
    std::size_t second = first == std::string::npos ? std::string::npos : text.find(',', first + 1);
    Rgb c;
    c.r = component(text.substr(0, first));
    if (first != std::string::npos)
        c.g = component(text.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                            : second - first - 1));
    if (second != std::string::npos) c.b = component(text.substr(second + 1));
    return c;
}

std::string FolderOf(const std::string& path) {
    std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string RemoveBraces(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char ch : value)
        if (ch != '{' && ch != '}') out += ch;
    return out;
}

std::string ApplyBraceRule(const std::string& value, const std::string& layoutFolder) {
    if (value.find('{') == std::string::npos) return value;
    return layoutFolder + RemoveBraces(value);
}

std::vector<std::string> SplitRecord(const std::string& record) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (static_cast<int>(fields.size()) < kMaxRecordFields) {
        std::size_t comma = record.find(',', start);
        if (comma == std::string::npos) {
            fields.push_back(record.substr(start));
            break;
        }
        fields.push_back(record.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

Property ParseProperty(const std::string& text) {
    Property p;
    std::size_t bar1 = text.find('|');
    if (bar1 == std::string::npos) {
        p.kind = LeadingNumber(text);
        return p;
    }
    p.label = text.substr(0, bar1);
    std::size_t bar2 = text.find('|', bar1 + 1);
    std::string rest;
    if (bar2 == std::string::npos) {
        rest = text.substr(bar1 + 1);
    } else {
        p.value = text.substr(bar1 + 1, bar2 - bar1 - 1);
        rest = text.substr(bar2 + 1);
    }
    rest.erase(std::remove(rest.begin(), rest.end(), '|'), rest.end());
    p.kind = LeadingNumber(rest);
    return p;
}

int ClickNumber(const std::string& value) {
    std::size_t dash = value.find('-');
    if (dash == std::string::npos) return 0;
    return LeadingNumber(value.substr(0, dash));
}

int ActionNumber(const std::vector<Property>& properties) {
    int number = -1;
    for (const auto& p : properties) {
        if (p.label != "On Click" && p.label != "Mouse Click") continue;
        if (p.value.empty()) return -1;
        number = ClickNumber(p.value);
    }
    return number;
}

Placement PlacementFromStartup(const std::string& startup) {
    switch (LeadingNumber(startup.substr(0, 2))) {
        case 0: return Placement::Center;
        case 2: return Placement::TopLeft;
        case 3: return Placement::TopRight;
        case 4: return Placement::BottomLeft;
        case 5: return Placement::BottomRight;
        default: return Placement::Keep;
    }
}

int EffectiveHeight(int height, int captionHeight) {
    return captionHeight <= 24 ? height - (25 - captionHeight) : height;
}

Point PlaceWindow(Placement placement, int screenWidth, int screenHeight, int width, int height,
                  Point current) {
    // The bottom corners stay clear of a taskbar of the usual height.
    constexpr int kBottomGap = 35;
    switch (placement) {
        case Placement::Center: return {(screenWidth - width) / 2, (screenHeight - height) / 2};
        case Placement::TopLeft: return {0, 0};
        case Placement::TopRight: return {screenWidth - width, 0};
        case Placement::BottomLeft: return {0, screenHeight - height - kBottomGap};
        case Placement::BottomRight: return {screenWidth - width, screenHeight - height - kBottomGap};
        case Placement::Keep: break;
    }
    return current;
}

Alignment AlignmentFromValue(const std::string& value) {
    if (value.empty()) return Alignment::Unchanged;
    switch (value[0]) {
        case '0': return Alignment::Center;
        case '1': return Alignment::Left;
        case '2': return Alignment::Right;
        default: return Alignment::Unchanged;
    }
}

int BuiltInIconNumber(const std::string& value) {
    if (value.compare(0, 3, "IDI") != 0) return kNotBuiltInIcon;
    static const char* const kNames[] = {"IDI_EXCLAMATION", "IDI_INFO",    "IDI_ERROR", "IDI_TYPICAL",
                                         "IDI_MINIMAL",     "IDI_CUSTOM", "IDI_SETUP", "IDI_FOLDER"};
    for (int i = 0; i < 8; ++i)
        if (value == kNames[i]) return i;
    return -1;
}

std::vector<std::string> ListFileEntries(const std::string& content) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = content.find("\r\n", start);
        if (end == std::string::npos) break;
        entries.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return entries;
}

}  // namespace qx::pages
