#include "setup/pages/feature_lookup.h"

namespace qx::pages {

std::optional<std::string> FeatureDescription(const KeyValueReader& script, const std::string& name) {
    std::optional<std::string> found;
    int total = LeadingNumber(script.Read("SETUPTYPE", "TOTAL"));
    // Only numbered keys that exist can match, so walk the section's keys
    // instead of trusting a TOTAL of any size.
    for (const auto& key : script.Keys("SETUPTYPE")) {
        if (key.compare(0, 11, "FeatureName") != 0 || key.size() == 11 || key.size() > 20) continue;
        std::string number = key.substr(11);
        if (number.find_first_not_of("0123456789") != std::string::npos) continue;
        int i = LeadingNumber(number);
        if (std::to_string(i) != number || i >= total) continue;
        if (script.Read("SETUPTYPE", key) == name) found = script.Read("SETUPTYPE", "Description" + number);
    }
    return found;
}

}  // namespace qx::pages
