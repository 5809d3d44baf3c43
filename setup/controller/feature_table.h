// The process-wide feature table: SETUPTYPE features with their selection
// state, written by the controller and the feature tree, read by the engine
// and the finish actions.
#pragma once
#include "setup/base/table_limits.h"

#include <string>

namespace qx {

constexpr int kFeatureSelected = 0;
constexpr int kFeatureNotSelected = 255;

struct FeatureEntry {
    std::string name;
    int state = kFeatureSelected;
};

extern FeatureEntry g_Features[kMaxFeatures];

// Appends a feature (state selected); false when the table is full.
bool AddFeature(const std::string& name);
// The entry of that name, or null.
FeatureEntry* FindFeature(const std::string& name);

}  // namespace qx
