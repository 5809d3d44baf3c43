#include "setup/controller/feature_table.h"

#include "setup/controller/globals.h"

namespace qx {

FeatureEntry g_Features[kMaxFeatures];

bool AddFeature(const std::string& name) {
    int n = g_FeatureCount;
    if (n < 0 || n >= kMaxFeatures) return false;
    g_Features[n].name = name;
    g_Features[n].state = kFeatureSelected;
    g_FeatureCount = n + 1;
    return true;
}

FeatureEntry* FindFeature(const std::string& name) {
    for (int i = 0; i < g_FeatureCount && i < kMaxFeatures; ++i)
        if (g_Features[i].name == name) return &g_Features[i];
    return nullptr;
}

}  // namespace qx
