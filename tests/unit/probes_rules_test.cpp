#include "setup/probes/cpu_rules.h"
#include "setup/probes/display_rules.h"
#include "setup/probes/os_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx {
namespace {

struct NameCase {
    OsVersion version;
    const char* name;
};

class ShortName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ShortName, FollowsTheVersionTriple) {
    EXPECT_EQ(ShortSystemName(GetParam().version), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, ShortName,
    ::testing::Values(NameCase{{kPlatform9x, 4, 10, 1998}, "98"}, NameCase{{kPlatform9x, 4, 10, 2222}, "98SE"},
                      NameCase{{kPlatform9x, 4, 10, 2183}, "98SE"},
                      // Only the low 16 bits of the build count on the 9x family.
                      NameCase{{kPlatform9x, 4, 10, 0x040A0000 | 1998}, "98"},
                      NameCase{{kPlatform9x, 4, 90, 3000}, "ME"}, NameCase{{kPlatform9x, 4, 0, 950}, "NT4"},
                      NameCase{{kPlatformNt, 4, 0, 1381}, "NT4"}, NameCase{{kPlatformNt, 5, 0, 2195}, "2000"},
                      NameCase{{kPlatformNt, 5, 1, 2600}, "XP"}, NameCase{{kPlatformNt, 5, 2, 3790}, "NET"},
                      NameCase{{kPlatformNt, 6, 0, 6000}, "VIS"}, NameCase{{kPlatformNt, 6, 1, 7601}, "VIS"},
                      // The XP test needs the NT platform.
                      NameCase{{kPlatform9x, 5, 1, 2600}, ""}, NameCase{{kPlatformNt, 10, 0, 19045}, ""},
                      NameCase{{kPlatformNt, 3, 51, 1057}, ""}));

struct MaskCase {
    OsVersion version;
    int mask;
    bool met;
};

class OsRequirement : public ::testing::TestWithParam<MaskCase> {};

TEST_P(OsRequirement, FailsOnlyForTheRunningSystemMissingFromTheMask) {
    EXPECT_EQ(OsRequirementMet(GetParam().version, GetParam().mask, nullptr), GetParam().met);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, OsRequirement,
    ::testing::Values(MaskCase{{kPlatformNt, 5, 1, 2600}, 32, true}, MaskCase{{kPlatformNt, 5, 1, 2600}, 255 - 32, false},
                      MaskCase{{kPlatformNt, 5, 1, 2600}, 0, false}, MaskCase{{kPlatformNt, 5, 1, 2600}, 255, true},
                      MaskCase{{kPlatform9x, 4, 0, 950}, 255 - 8, false}, MaskCase{{kPlatform9x, 4, 0, 950}, 8, true},
                      // Build 2183 is both 98 and 98SE: either bit missing fails.
                      MaskCase{{kPlatform9x, 4, 10, 2183}, 1, false}, MaskCase{{kPlatform9x, 4, 10, 2183}, 2, false},
                      MaskCase{{kPlatform9x, 4, 10, 2183}, 3, true}, MaskCase{{kPlatform9x, 4, 10, 1998}, 1, true},
                      MaskCase{{kPlatformNt, 6, 1, 7601}, 128, true}, MaskCase{{kPlatformNt, 6, 1, 7601}, 64, false},
                      // A system the mask cannot name passes every mask, even 0.
                      MaskCase{{kPlatformNt, 10, 0, 19045}, 0, true}, MaskCase{{kPlatformNt, 10, 0, 19045}, 7, true}));

TEST(OsRequirementTrace, ReportsEachBitFromTheTopUntilTheFailure) {
    std::vector<std::string> lines;
    auto sink = [&](const std::string& l) { lines.push_back(l); };
    EXPECT_TRUE(OsRequirementMet({kPlatformNt, 5, 1, 2600}, 32 | 1, sink));
    EXPECT_EQ(lines, (std::vector<std::string>{"256 0", "128 0", "64 0", "32 1", "16 0", "8 0", "4 0", "2 0", "1 1"}));
    lines.clear();
    EXPECT_FALSE(OsRequirementMet({kPlatformNt, 5, 2, 3790}, 16, sink));
    EXPECT_EQ(lines, (std::vector<std::string>{"256 0", "128 0"}));
}

TEST(ColourRequirement, KnowsFourTextsExactly) {
    const std::pair<const char*, int> cases[] = {{"256 colors", 8},   {"65.636 colors", 16}, {"24bit colors", 24},
                                                 {"32bit colors", 32}, {"65.536 colors", 0}, {"256 Colors", 0},
                                                 {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(RequiredColourBits(c.first), c.second) << c.first;
}

TEST(ResolutionRequirement, ReadsWidthAndHeightAroundTheFirstX) {
    EXPECT_TRUE(ResolutionMet("Any resolution", 1, 1));
    EXPECT_TRUE(ResolutionMet("800x600", 800, 600));
    EXPECT_FALSE(ResolutionMet("800x600", 799, 600));
    EXPECT_FALSE(ResolutionMet("800x600", 1024, 599));
    Resolution r = RequiredResolution("1024x768x32");
    EXPECT_EQ(r.width, 1024);
    EXPECT_EQ(r.height, 768);
    r = RequiredResolution("600");
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 600);
    EXPECT_FALSE(ResolutionMet("2000", 4000, 1999));
}

TEST(MemoryRequirement, CountsWholeMegabytesPlusOne) {
    const std::uint64_t mb = 1024ull * 1024ull;
    EXPECT_EQ(CountedMegabytes(0), 1);
    EXPECT_EQ(CountedMegabytes(512 * mb - 1), 512);  // 511.9 MB reads as 512
    EXPECT_EQ(CountedMegabytes(512 * mb), 513);
    EXPECT_EQ(CountedMegabytes(64ull * 1024 * mb), 65537);
    // More than the seven columns of the printed form still reads back whole.
    EXPECT_EQ(CountedMegabytes(20000000ull * mb), 20000001);
}

CpuIdRegisters Registers(const char* vendor, unsigned signature, unsigned features = 0, unsigned maxExt = 0,
                         unsigned extFeatures = 0) {
    auto reg = [&](int at) {
        unsigned v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<unsigned>(static_cast<unsigned char>(vendor[at + i])) << (8 * i);
        return v;
    };
    CpuIdRegisters r;
    r.leaf0Ebx = reg(0);
    r.leaf0Edx = reg(4);
    r.leaf0Ecx = reg(8);
    r.signature = signature;
    r.features = features;
    r.maxExtendedLeaf = maxExt;
    r.extendedFeatures = extFeatures;
    return r;
}

TEST(CpuDescription, DecodesVendorSignatureAndFlags) {
    CpuDescription d = DescribeCpu(Registers("GenuineIntel", 0x0F29, (1u << 23) | (1u << 26)));
    EXPECT_EQ(d.vendor, "GenuineIntel");
    EXPECT_EQ(d.family, 15);
    EXPECT_EQ(d.model, 2);
    EXPECT_EQ(d.stepping, 9);
    EXPECT_EQ(d.extendedFamily, 0);
    EXPECT_EQ(d.features, kCpuMmx | kCpuSse2);

    d = DescribeCpu(Registers("GenuineIntel", 0x00100F00));
    EXPECT_EQ(d.extendedFamily, 1);
    // The extended family is read only for family 15.
    d = DescribeCpu(Registers("GenuineIntel", 0x00100680));
    EXPECT_EQ(d.extendedFamily, 0);

    // 3DNow! only when more extended leaves than the first are reported.
    d = DescribeCpu(Registers("AuthenticAMD", 0x0622, 1u << 25, 0x80000001u, 1u << 31));
    EXPECT_EQ(d.features, kCpuSse | kCpu3DNow);
    d = DescribeCpu(Registers("AuthenticAMD", 0x0622, 0, 0x80000000u, 1u << 31));
    EXPECT_EQ(d.features, 0u);
}

struct ModelCase {
    const char* vendor;
    int family, model, extFamily;
    const char* name;
};

class ModelNames : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelNames, ComeFromTheTableLetterForLetter) {
    const auto& c = GetParam();
    EXPECT_EQ(CpuModelName(c.vendor, c.family, c.model, c.extFamily), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModelNames,
    ::testing::Values(
        ModelCase{"GenuineIntel", 4, 0, 0, "INTEL 486 DX-25/33"}, ModelCase{"GenuineIntel", 4, 6, 0, "unknown"},
        ModelCase{"GenuineIntel", 4, 9, 0, "INTEL 486 DX4-WB"},
        ModelCase{"GenuineIntel", 5, 0, 0, "INTEL Pentium 60/66 A-step"},
        ModelCase{"GenuineIntel", 5, 3, 0, "INTEL OverDrive PODP5V83"},
        ModelCase{"GenuineIntel", 5, 8, 0, "INTEL Mobile Pentium MMX"},
        ModelCase{"GenuineIntel", 6, 1, 0, "INTEL Pentium Pro A-Step"},
        ModelCase{"GenuineIntel", 6, 6, 0, "INTEL Celeron Mendocino"},
        ModelCase{"GenuineIntel", 6, 10, 0, "INTEL Pentium III (0.18um)"},
        ModelCase{"GenuineIntel", 6, 11, 0, "INTEL Pentium III (0.13um)"}, ModelCase{"GenuineIntel", 6, 4, 0, "unknown"},
        ModelCase{"GenuineIntel", 6, 15, 0, "unknown"}, ModelCase{"GenuineIntel", 7, 12, 0, "INTEL Itanium"},
        ModelCase{"GenuineIntel", 15, 0, 0, "INTEL Pentium IV (0.18 \xB5m)"},
        ModelCase{"GenuineIntel", 15, 1, 0, "INTEL Pentium IV (0.18 \xB5m)"},
        ModelCase{"GenuineIntel", 15, 3, 0, "INTEL Pentium IV (0.09 \xB5m)"},
        ModelCase{"GenuineIntel", 15, 4, 0, "unknown"}, ModelCase{"GenuineIntel", 15, 9, 1, "INTEL Itanium 2 (IA-64)"},
        ModelCase{"AuthenticAMD", 4, 14, 0, "AMD Am5x86-WT"}, ModelCase{"AuthenticAMD", 4, 0, 0, "unknown"},
        ModelCase{"AuthenticAMD", 5, 0, 0, "AMD K5 SSA5"}, ModelCase{"AuthenticAMD", 5, 2, 0, "AMD K5"},
        ModelCase{"AuthenticAMD", 5, 13, 0, "AMD K6-3+"}, ModelCase{"AuthenticAMD", 6, 1, 0, "AMD Athlon (25um)"},
        ModelCase{"AuthenticAMD", 6, 6, 0, "AMD Athlon Palamino"},
        ModelCase{"AuthenticAMD", 6, 10, 0, "AMD Athlon Barton"}, ModelCase{"AuthenticAMD", 6, 5, 0, "unknown"},
        ModelCase{"AuthenticAMD", 15, 5, 0, "AMD Athlon 64FX Operon"},
        ModelCase{"AuthenticAMD", 15, 4, 1, "unknown"}, ModelCase{"CyrixInstead", 6, 2, 0, "Cyrix"},
        ModelCase{"CentaurHauls", 9, 9, 0, "Centaur"}, ModelCase{"HygonGenuine", 15, 4, 0, "unknown"}));

TEST(ModelNames, MicroSignIsOneLatinByte) {
    const std::string name = CpuModelName("GenuineIntel", 15, 2, 0);
    EXPECT_EQ(name.size(), std::string("INTEL Pentium IV (0.13 um)").size());
    EXPECT_EQ(static_cast<unsigned char>(name[23]), 0xB5);
}

}  // namespace
}  // namespace qx
