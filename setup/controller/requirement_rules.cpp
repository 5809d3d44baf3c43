#include "setup/controller/requirement_rules.h"

#include "setup/controller/token_expansion.h"

namespace qx {

SystemRequirements ReadSystemRequirements(const KeyValueReader& script) {
    SystemRequirements r;
    r.processor = script.Read("SYSTEM", "1", kShortValueBuffer);
    r.memory = script.Read("SYSTEM", "2", kShortValueBuffer);
    r.resolution = script.Read("SYSTEM", "3", kShortValueBuffer);
    r.colours = script.Read("SYSTEM", "4", kShortValueBuffer);
    for (int i = 0; i < 8; ++i) {
        const std::string value = script.Read("SYSTEM", "os" + std::to_string(i), kShortValueBuffer);
        if (!value.empty()) r.osKeysGiven = true;
        if (value == "Yes") r.osMask += 1 << i;
    }
    return r;
}

bool ChecksOperatingSystem(const SystemRequirements& r) { return r.osKeysGiven && r.osMask != 255; }
// Every name contains the empty text, so an empty value is skipped rather
// than paying the second the processor identification takes.
bool ChecksProcessor(const SystemRequirements& r) { return r.processor != "All Processors" && !r.processor.empty(); }
bool ChecksMemory(const SystemRequirements& r) { return r.memory != "Any"; }
bool ChecksResolution(const SystemRequirements& r) { return r.resolution != "checkSCREEN"; }
bool ChecksColours(const SystemRequirements& r) { return r.colours != "Any colors"; }

int RequiredMegabytes(const std::string& memoryValue) {
    std::string text = memoryValue;
    ReplaceAll(text, " MB", "");
    return LeadingNumber(text);
}

std::string RequirementMessageKey(RequirementMessage which) { return std::to_string(static_cast<int>(which)); }

std::string DefaultRequirementMessage(RequirementMessage which) {
    switch (which) {
    case RequirementMessage::OperatingSystem:
        return "The operating system is not adequate for running <ProductName>.";
    case RequirementMessage::Colours:
        return "The color settings of your system are not adequate for running <ProductName>.";
    case RequirementMessage::Screen:
        return "The screen resolution is not adequate for running <ProductName>.";
    case RequirementMessage::Memory:
        return "The amount of RAM is not adequate for running <ProductName>.";
    case RequirementMessage::Processor:
        return "The processor is not adequate for running <ProductName>.";
    }
    return std::string();
}

std::string RequirementMessageText(RequirementMessage which, const KeyValueReader& languageFile) {
    std::string text = languageFile.Read("REQ", RequirementMessageKey(which));
    return text.empty() ? DefaultRequirementMessage(which) : text;
}

}  // namespace qx
