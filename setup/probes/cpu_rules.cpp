#include "setup/probes/cpu_rules.h"

namespace qx {

namespace {

std::string RegisterText(std::uint32_t r) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((r >> (8 * i)) & 0xFF);
    return s;
}

struct ModelRow {
    int model;
    const char* name;
};

template <std::size_t N>
const char* FindModel(const ModelRow (&rows)[N], int model) {
    for (const auto& row : rows)
        if (row.model == model) return row.name;
    return "unknown";
}

constexpr ModelRow kIntel486[] = {
    {0, "INTEL 486 DX-25/33"}, {1, "INTEL 486 DX-50"}, {2, "INTEL 486 SX"},  {3, "INTEL 486 DX2"},
    {4, "INTEL 486 SL"},       {5, "INTEL 486 SX2"},   {7, "INTEL 486 DX2-WB"}, {8, "INTEL 486 DX4"},
    {9, "INTEL 486 DX4-WB"},
};
constexpr ModelRow kIntelPentium[] = {
    {0, "INTEL Pentium 60/66 A-step"}, {1, "INTEL Pentium 60/66"},         {2, "INTEL Pentium 75-200"},
    {3, "INTEL OverDrive PODP5V83"},   {4, "INTEL Pentium MMX"},           {7, "INTEL Mobile Pentium 75-200"},
    {8, "INTEL Mobile Pentium MMX"},
};
constexpr ModelRow kIntelP6[] = {
    {1, "INTEL Pentium Pro A-Step"},     {2, "INTEL Pentium Pro"},          {3, "INTEL Pentium II Klamath"},
    {5, "INTEL Pentium II Deschutes"},   {6, "INTEL Celeron Mendocino"},    {7, "INTEL Pentium III Katmai"},
    {8, "INTEL Pentium III Coppermine"}, {9, "INTEL Mobile Pentium III"},   {10, "INTEL Pentium III (0.18um)"},
    {11, "INTEL Pentium III (0.13um)"},
};
constexpr ModelRow kIntelPentium4[] = {
    {0, "INTEL Pentium IV (0.18 \xB5m)"}, {1, "INTEL Pentium IV (0.18 \xB5m)"},
    {2, "INTEL Pentium IV (0.13 \xB5m)"}, {3, "INTEL Pentium IV (0.09 \xB5m)"},
};
constexpr ModelRow kAmd486[] = {
    {3, "AMD 486 DX2"},    {7, "AMD 486 DX2-WB"}, {8, "AMD 486 DX4"},
    {9, "AMD 486 DX4-WB"}, {14, "AMD Am5x86-WT"}, {15, "AMD Am5x86-WB"},
};
constexpr ModelRow kAmdK5K6[] = {
    {0, "AMD K5 SSA5"}, {1, "AMD K5"},   {2, "AMD K5"},   {3, "AMD K5"},   {6, "AMD K6"},
    {7, "AMD K6"},      {8, "AMD K6-2"}, {9, "AMD K6-3"}, {13, "AMD K6-3+"},
};
constexpr ModelRow kAmdAthlon[] = {
    {0, "AMD Athlon (25um)"},      {1, "AMD Athlon (25um)"},     {2, "AMD Athlon (18um)"},
    {3, "AMD Duron"},              {4, "AMD Athlon Thunderbird"}, {6, "AMD Athlon Palamino"},
    {7, "AMD Duron Morgan"},       {8, "AMD Athlon Thoroughbred"}, {10, "AMD Athlon Barton"},
};
constexpr ModelRow kAmd64[] = {
    {4, "AMD Athlon 64"},
    {5, "AMD Athlon 64FX Operon"},
};

}  // namespace

CpuDescription DescribeCpu(const CpuIdRegisters& regs) {
    CpuDescription d;
    d.vendor = RegisterText(regs.leaf0Ebx) + RegisterText(regs.leaf0Edx) + RegisterText(regs.leaf0Ecx);
    d.stepping = static_cast<int>(regs.signature & 0xF);
    d.model = static_cast<int>((regs.signature >> 4) & 0xF);
    d.family = static_cast<int>((regs.signature >> 8) & 0xF);
    if (d.family == 15) d.extendedFamily = static_cast<int>((regs.signature >> 20) & 0xFF);
    if (regs.features & (1u << 23)) d.features |= kCpuMmx;
    if (regs.features & (1u << 25)) d.features |= kCpuSse;
    if (regs.features & (1u << 26)) d.features |= kCpuSse2;
    if (regs.maxExtendedLeaf > 0x80000000u && (regs.extendedFeatures & (1u << 31))) d.features |= kCpu3DNow;
    return d;
}

std::string CpuModelName(const std::string& vendor, int family, int model, int extendedFamily) {
    if (vendor == "GenuineIntel") {
        switch (family) {
        case 4: return FindModel(kIntel486, model);
        case 5: return FindModel(kIntelPentium, model);
        case 6: return FindModel(kIntelP6, model);
        case 7: return "INTEL Itanium";
        case 15:
            if (extendedFamily == 0) return FindModel(kIntelPentium4, model);
            if (extendedFamily == 1) return "INTEL Itanium 2 (IA-64)";
            return "unknown";
        default: return "unknown";
        }
    }
    if (vendor == "AuthenticAMD") {
        switch (family) {
        case 4: return FindModel(kAmd486, model);
        case 5: return FindModel(kAmdK5K6, model);
        case 6: return FindModel(kAmdAthlon, model);
        case 15: return extendedFamily == 0 ? FindModel(kAmd64, model) : "unknown";
        default: return "unknown";
        }
    }
    if (vendor == "CyrixInstead") return "Cyrix";
    if (vendor == "CentaurHauls") return "Centaur";
    return "unknown";
}

}  // namespace qx
