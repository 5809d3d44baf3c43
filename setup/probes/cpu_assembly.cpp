#include "setup/probes/cpu_assembly.h"

#include <cpuid.h>
#include <windows.h>
#include <x86intrin.h>

namespace qx {

bool CPUAssembly::ReadRegisters(CpuIdRegisters& regs) {
    // Reports 0 when the instruction is missing (the flag test on 32-bit builds).
    if (__get_cpuid_max(0, nullptr) == 0) return false;
    unsigned a = 0, b = 0, c = 0, d = 0;
    __cpuid(0, a, b, c, d);
    const unsigned maxLeaf = a;
    regs.leaf0Ebx = b;
    regs.leaf0Edx = d;
    regs.leaf0Ecx = c;
    if (maxLeaf >= 1) {
        __cpuid(1, a, b, c, d);
        regs.signature = a;
        regs.features = d;
    }
    __cpuid(0x80000000u, a, b, c, d);
    regs.maxExtendedLeaf = a;
    if (regs.maxExtendedLeaf > 0x80000000u) {
        __cpuid(0x80000001u, a, b, c, d);
        regs.extendedFeatures = d;
    }
    return true;
}

bool CPUAssembly::Identify() {
    CpuIdRegisters regs;
    if (!ReadRegisters(regs)) return false;
    cpu_ = DescribeCpu(regs);
    CountClockTicks();
    modelName_ = CpuModelName(cpu_.vendor, cpu_.family, cpu_.model, cpu_.extendedFamily);
    return true;
}

std::uint64_t CPUAssembly::CountClockTicks() {
    LARGE_INTEGER frequency = {}, start = {}, now = {};
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return clockTicks_ = 0;
    QueryPerformanceCounter(&start);
    const std::uint64_t first = __rdtsc();
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < frequency.QuadPart);
    clockTicks_ = __rdtsc() - first;
    return clockTicks_;
}

}  // namespace qx
