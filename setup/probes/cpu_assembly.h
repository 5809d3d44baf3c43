// Processor identification through the identification instruction, with the
// clock measured over one second.
#pragma once
#include "setup/probes/cpu_rules.h"

#include <cstdint>
#include <string>

namespace qx {

class ICPUInfo {
public:
    virtual bool Identify() = 0;
    virtual std::uint64_t CountClockTicks() = 0;
    // Ticks divided by 2^20: megahertz in units of 2^20 Hz.
    virtual std::uint64_t Speed() const = 0;
    virtual std::string ModelName() const = 0;
    virtual std::string Vendor() const = 0;
    virtual int Family() const = 0;
    virtual int Model() const = 0;
    virtual int Stepping() const = 0;
    virtual bool HasMmx() const = 0;
    virtual bool HasSse() const = 0;
    virtual bool HasSse2() const = 0;
    virtual bool Has3DNow() const = 0;
    virtual ~ICPUInfo() = default;
};

class CPUAssembly : public ICPUInfo {
public:
    // False when the processor has no identification instruction. Takes about
    // one second, the clock count.
    bool Identify() override;
    std::uint64_t CountClockTicks() override;
    std::uint64_t Speed() const override { return clockTicks_ >> 20; }
    std::string ModelName() const override { return modelName_; }
    std::string Vendor() const override { return cpu_.vendor; }
    int Family() const override { return cpu_.family; }
    int Model() const override { return cpu_.model; }
    int Stepping() const override { return cpu_.stepping; }
    int ExtendedFamily() const { return cpu_.extendedFamily; }
    bool HasMmx() const override { return (cpu_.features & kCpuMmx) != 0; }
    bool HasSse() const override { return (cpu_.features & kCpuSse) != 0; }
    bool HasSse2() const override { return (cpu_.features & kCpuSse2) != 0; }
    bool Has3DNow() const override { return (cpu_.features & kCpu3DNow) != 0; }

    // The raw registers, for callers that want to look themselves.
    static bool ReadRegisters(CpuIdRegisters& regs);

private:
    CpuDescription cpu_;
    std::string modelName_;
    std::uint64_t clockTicks_ = 0;
};

}  // namespace qx
