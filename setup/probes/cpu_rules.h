// Processor identification from raw identification-instruction registers,
// and the model-name table. Pure: the registers are inputs, so every row of
// the table is reachable from a test.
#pragma once
#include <cstdint>
#include <string>

namespace qx {

// Feature-flag bits kept by the processor identifier.
constexpr unsigned kCpuMmx = 1;
constexpr unsigned kCpu3DNow = 2;
constexpr unsigned kCpuSse = 4;
constexpr unsigned kCpuSse2 = 8;

struct CpuIdRegisters {
    std::uint32_t leaf0Ebx = 0, leaf0Edx = 0, leaf0Ecx = 0;  // vendor text in b, d, c order
    std::uint32_t signature = 0;                              // leaf 1 eax
    std::uint32_t features = 0;                               // leaf 1 edx
    std::uint32_t maxExtendedLeaf = 0;                        // leaf 80000000h eax
    std::uint32_t extendedFeatures = 0;                       // leaf 80000001h edx, when reported
};

struct CpuDescription {
    std::string vendor;  // 12 characters
    int family = 0, model = 0, stepping = 0, extendedFamily = 0;
    unsigned features = 0;
};

CpuDescription DescribeCpu(const CpuIdRegisters& regs);

// The table of the processors the installer names; "unknown" otherwise.
// Texts are ANSI (Windows Latin code page): the micro sign is byte 0xB5.
std::string CpuModelName(const std::string& vendor, int family, int model, int extendedFamily);

}  // namespace qx
