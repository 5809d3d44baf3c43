#include "setup/controller/file_action_records.h"

#include "setup/base/table_limits.h"

#include <cctype>

namespace qx {

namespace {

struct DisplayName {
    const char* display;
    const char* layout;
};

constexpr DisplayName kDisplayNames[] = {
    {"Install Welcome", "welcome.lcd"},       {"License Agreement", "license.lcd"},
    {"Readme Dialog", "readme.lcd"},          {"Customer Information", "customer.lcd"},
    {"Destination Folder", "destination.lcd"}, {"Setup Type", "setuptype.lcd"},
    {"Custom Setup", "customsetup.lcd"},      {"Ready to Install", "ready.lcd"},
    {"Setup Progress", "progress.lcd"},       {"Setup Complete", "complete.lcd"},
    {"Installation Start", "start.lcd"},
};

struct MaskBit {
    int bit;
    const char* osName;
};

// This mask numbers the systems from the newest down, unlike the requirement mask.
constexpr MaskBit kMaskBits[] = {
    {128, "98"}, {64, "98SE"}, {32, "ME"}, {16, "NT4"}, {8, "2000"}, {4, "XP"}, {2, "NET"}, {1, "VIS"},
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string PageForDisplayName(const std::string& text) {
    for (const auto& d : kDisplayNames)
        if (text == d.display) return d.layout;
    return text;
}

bool OsMaskBlocks(int osMask, const std::string& osName) {
    for (const auto& b : kMaskBits)
        if (!(osMask & b.bit) && osName == b.osName) return true;
    return false;
}

std::vector<FileActionRecord> ReadFileActionRecords(const KeyValueReader& script, const TextRule& expand,
                                                    const TextRule& resolveResources, int* total) {
    const char* section = "FILEACTION";
    const int n = LeadingNumber(script.Read(section, "TOTAL", kShortValueBuffer));
    if (total) *total = n;
    std::vector<FileActionRecord> records;
    for (int k = 0; k < n && k < kMaxFileActions; ++k) {
        const std::string i = std::to_string(k);
        FileActionRecord r;
        r.target = resolveResources(expand(script.Read(section, "B" + i)));
        r.parameters = expand(script.Read(section, "C" + i));
        r.page = PageForDisplayName(script.Read(section, "E" + i, kShortValueBuffer));
        r.f = script.Read(section, "F" + i, kShortValueBuffer);
        r.runOnce = script.Read(section, "G" + i, kShortValueBuffer);
        r.wait = script.Read(section, "H" + i, kShortValueBuffer);
        r.osMask = LeadingNumber(script.Read(section, "L" + i, kShortValueBuffer));
        r.condition = script.Read(section, "M" + i, kShortValueBuffer);
        records.push_back(std::move(r));
    }
    return records;
}

FileActionPlan PlanFileAction(FileActionRecord& record, const std::string& osName) {
    FileActionPlan plan;
    if (record.executed == 255) return plan;
    if (record.runOnce == "Yes") record.executed = 255;
    if (OsMaskBlocks(record.osMask, osName)) return plan;
    plan.run = true;
    const std::string lower = Lower(record.target);
    plan.openWebAddress = lower.find("http://") != std::string::npos;
    plan.startProgram = lower.find(".exe") != std::string::npos;
    if (plan.startProgram) {
        const bool wait = record.wait == "Yes";
        plan.programViaShell = !wait || lower.compare(0, 4, "http") == 0;
        plan.waitForProgram = wait && !plan.programViaShell;
        plan.shellWithParameters = !wait;
    }
    plan.callLibrary = lower.find(".dll") != std::string::npos;
    return plan;
}

}  // namespace qx
