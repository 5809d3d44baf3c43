#include "setup/pages/layout_reader.h"

#include "setup/pages/layout_limits.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <set>

namespace qx::pages {

namespace {

std::string Key(int a) { return std::to_string(a); }
std::string Key(int a, const char* suffix) { return std::to_string(a) + "," + suffix; }
std::string Key(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

PageSettings ReadSettings(const KeyValueReader& file) {
    const char* s = "MAINWINDOW";
    PageSettings w;
    w.idcname = file.Read(s, "idcname");
    w.caption = file.Read(s, "caption");
    // bkimage and soundfile are looked up relative to the package folder,
    // so they only lose their braces.
    w.bkimage = RemoveBraces(file.Read(s, "bkimage"));
    w.border = file.Read(s, "border");
    w.startup = file.Read(s, "startup");
    w.bkcolor = file.Read(s, "bkcolor");
    w.width = file.Read(s, "width");
    w.height = file.Read(s, "height");
    w.soundfile = RemoveBraces(file.Read(s, "soundfile"));
    w.minwindow = file.Read(s, "minwindow");
    w.maxwindow = file.Read(s, "maxwindow");
    w.closewindow = file.Read(s, "closewindow");
    w.fontname = file.Read(s, "fontname");
    w.fontsize = file.Read(s, "fontsize");
    w.fontbold = file.Read(s, "fontbold");
    w.fontitalic = file.Read(s, "fontitalic");
    w.widthPixels = LeadingNumber(w.width);
    w.heightPixels = LeadingNumber(w.height);
    return w;
}

// The INFO keys worth visiting, highest first. Only keys present in the file
// can hold a control, so a TOTAL of millions costs nothing.
std::vector<int> RecordKeys(const KeyValueReader& file, int total) {
    std::set<int, std::greater<int>> keys;
    for (const auto& name : file.Keys("INFO")) {
        if (name.empty() || name.size() > 9) continue;
        if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        int k = std::stoi(name);
        if (Key(k) == name && k < total) keys.insert(k);
    }
    return {keys.begin(), keys.end()};
}

std::vector<Property> ReadProperties(const KeyValueReader& file, int record, const std::string& folder) {
    std::vector<Property> props;
    int count = LeadingNumber(file.Read("DADOS", Key(record, "t")));
    // A record claiming more than the limit is not trusted at all.
    if (count <= 0 || count > kMaxProperties) return props;
    for (int p = 0; p < count; ++p) {
        Property prop = ParseProperty(file.Read("DADOS", Key(record, p)));
        prop.value = ApplyBraceRule(prop.value, folder);
        props.push_back(prop);
    }
    return props;
}

void TakeProperties(ControlRecord& rec, std::vector<Property> props) {
    rec.properties = std::move(props);
    if (InfoOf(rec.type).idNameAtZero && rec.Has(0)) rec.idName = rec.properties[0].value;
    if (rec.type == ControlType::Button) {
        if (rec.Has(7) && !rec.Value(7).empty()) rec.clickAction = rec.Value(7);
        rec.actionArgument = rec.Value(8);
    }
    rec.actionNumber = ActionNumber(rec.properties);
}

}  // namespace

const std::string& ControlRecord::Value(int position) const {
    static const std::string kEmpty;
    return Has(position) ? properties[position].value : kEmpty;
}

Rect ApplySizeRule(ControlType type, const Rect& given) {
    const ControlTypeInfo& info = InfoOf(type);
    if (type == ControlType::Rect) return {0, 0, 100, 100};
    if (type == ControlType::Icon) return {given.left, given.top, given.left + 32, given.top + 32};
    if (info.minimumHeightLimit > 0 && given.Width() < 30 && given.Height() < info.minimumHeightLimit)
        return {given.left, given.top, given.left + 90, given.top + 25};
    return given;
}

PageLayout ReadLayout(const KeyValueReader& file, const std::string& layoutPath) {
    PageLayout page;
    page.window = ReadSettings(file);
    const std::string folder = FolderOf(layoutPath);

    int total = LeadingNumber(file.Read("INFO", "TOTAL", kShortValueBuffer));
    if (total <= 0) return page;

    std::array<int, kPoolCount> used{};
    std::vector<ControlRecord> created;  // creation order, reversed at the end
    for (int key : RecordKeys(file, total)) {
        std::vector<std::string> f = SplitRecord(file.Read("INFO", Key(key)));
        f.resize(kMaxRecordFields);
        ControlType type = ControlTypeFromName(f[5]);
        if (type == ControlType::Unknown) continue;
        const ControlTypeInfo& info = InfoOf(type);
        if (static_cast<int>(created.size()) >= kMaxControls || used[info.pool] >= kPoolSize) {
            ++page.skippedRecords;
            continue;
        }
        ControlRecord rec;
        rec.key = key;
        rec.type = type;
        rec.typeName = info.name;
        int left = LeadingNumber(f[1]), top = LeadingNumber(f[2]);
        Rect given{left, top, left + LeadingNumber(f[3]), top + LeadingNumber(f[4])};
        rec.rect = ApplySizeRule(type, given);
        if ((type == ControlType::Bitmap || type == ControlType::Hover) && !f[6].empty())
            rec.text = folder + RemoveBraces(f[6]);
        rec.windowId = kFirstControlId + static_cast<int>(created.size());
        rec.creationNumber = static_cast<int>(created.size());
        rec.poolIndex = used[info.pool];
        rec.idName = DefaultIdName(type, used[info.pool] + 1);
        rec.defaultText = DefaultText(type, used[info.pool] + 1);
        ++used[info.pool];
        TakeProperties(rec, ReadProperties(file, LeadingNumber(f[8]), folder));
        created.push_back(std::move(rec));
    }
    page.controls.assign(std::make_move_iterator(created.rbegin()), std::make_move_iterator(created.rend()));
    return page;
}

}  // namespace qx::pages
