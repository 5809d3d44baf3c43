#include "setup/pages/feature_lookup.h"

#include "setup/base/ini_text.h"

#include <gtest/gtest.h>

namespace qx::pages {
namespace {

TEST(FeatureLookup, DescriptionOfTheNamedFeature) {
    IniText script(
        "[SETUPTYPE]\nTOTAL=3\nFeatureName0=Program\nDescription0=The program itself\n"
        "FeatureName1=Help\nDescription1=Help files\nFeatureName2=Help\nDescription2=Second help\n"
        "FeatureName3=Extras\nDescription3=Beyond the total\nFeatureName01=Program\nDescription01=Bad key\n");
    struct Case { const char* name; const char* expected; };
    const Case cases[] = {
        {"Program", "The program itself"},
        {"Help", "Second help"},  // the last match wins
        {"program", nullptr},     // exact comparison
        {"Extras", nullptr},      // beyond TOTAL
        {"", nullptr},
    };
    for (const auto& c : cases) {
        auto found = FeatureDescription(script, c.name);
        if (c.expected) {
            ASSERT_TRUE(found.has_value()) << c.name;
            EXPECT_EQ(*found, c.expected) << c.name;
        } else {
            EXPECT_FALSE(found.has_value()) << c.name;
        }
    }
}

TEST(FeatureLookup, MissingSectionOrDescription) {
    EXPECT_FALSE(FeatureDescription(IniText(""), "Program").has_value());
    IniText noDescription("[SETUPTYPE]\nTOTAL=1\nFeatureName0=Program\n");
    auto found = FeatureDescription(noDescription, "Program");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, "");
}

}  // namespace
}  // namespace qx::pages
