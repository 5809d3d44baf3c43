// The SYSTEM section as the start-up check reads it, and the refusal texts.
#pragma once
#include "setup/base/key_value_reader.h"

#include <string>

namespace qx {

struct SystemRequirements {
    std::string processor;   // "1": "All Processors" or a text the processor name must contain
    std::string memory;      // "2": "Any" or megabytes, optionally with " MB"
    std::string resolution;  // "3": "checkSCREEN" or a resolution
    std::string colours;     // "4": "Any colors" or a colour depth
    int osMask = 0;          // os0 .. os7 that are exactly "Yes"
    bool osKeysGiven = false; // at least one of os0 .. os7 has a value
};

SystemRequirements ReadSystemRequirements(const KeyValueReader& script);

// A script that names no system at all states no system requirement; only a
// mask that lists some systems (or says "No" to them) is tested.
bool ChecksOperatingSystem(const SystemRequirements& r);
bool ChecksProcessor(const SystemRequirements& r);
bool ChecksMemory(const SystemRequirements& r);
bool ChecksResolution(const SystemRequirements& r);
bool ChecksColours(const SystemRequirements& r);
// Megabytes asked for, with every " MB" removed first.
int RequiredMegabytes(const std::string& memoryValue);

enum class RequirementMessage { OperatingSystem = 0, Colours = 1, Screen = 2, Memory = 3, Processor = 4 };

// The REQ key of the language file for a message, and its text when that key
// gives nothing. Both still contain path variables.
std::string RequirementMessageKey(RequirementMessage which);
std::string DefaultRequirementMessage(RequirementMessage which);
std::string RequirementMessageText(RequirementMessage which, const KeyValueReader& languageFile);

constexpr const char* kRightsMessage = "Sorry, you need administrator rights to install this software.";

}  // namespace qx
