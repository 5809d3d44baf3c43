// Feature descriptions of the setup script's SETUPTYPE section, looked up by
// the name shown in the feature tree.
#pragma once
#include "setup/base/key_value_reader.h"

#include <optional>
#include <string>

namespace qx::pages {

// Description%i of the last FeatureName%i equal to the name (exact match);
// nothing when no feature has that name.
std::optional<std::string> FeatureDescription(const KeyValueReader& script, const std::string& name);

// Feature menu commands and the states and tree images they give.
constexpr int kMenuFeatureMenu = 153;
constexpr int kCmdInstallFeature = 32773;
constexpr int kCmdSkipFeature = 32774;
constexpr int kFeatureSelected = 0;
constexpr int kFeatureNotSelected = 255;

}  // namespace qx::pages
