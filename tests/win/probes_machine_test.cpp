// The probes on the machine the tests run on: the version cache, the
// processor identifier and the requirement probes at their edges.
#include "setup/probes/cpu_assembly.h"
#include "setup/probes/os_version.h"
#include "setup/probes/req.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace qx {
namespace {

TEST(OsVersionProbe, IsReadOnceAndMatchesTheSystem) {
    const OsVersion& first = RunningOsVersion();
    EXPECT_EQ(&first, &RunningOsVersion());
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&info));
#pragma GCC diagnostic pop
    EXPECT_EQ(first.major, static_cast<int>(info.dwMajorVersion));
    EXPECT_EQ(first.minor, static_cast<int>(info.dwMinorVersion));
    EXPECT_EQ(first.build, static_cast<int>(info.dwBuildNumber & 0xFFFF));
    EXPECT_EQ(first.platform, info.dwPlatformId == VER_PLATFORM_WIN32_NT ? kPlatformNt : kPlatform9x);
}

TEST(OsVersionProbe, MaskTestAgreesWithTheShortName) {
    const CReq req;
    EXPECT_TRUE(req.OsRequirementMet(255));
    // Mask 0 refuses every named system and admits any other.
    EXPECT_EQ(req.OsRequirementMet(0), ShortSystemName(RunningOsVersion()).empty());
}

TEST(CpuProbe, IdentifiesTheProcessorThroughTheInstruction) {
    CpuIdRegisters regs;
    ASSERT_TRUE(CPUAssembly::ReadRegisters(regs));
    CPUAssembly cpu;
    ASSERT_TRUE(cpu.Identify());
    EXPECT_EQ(cpu.Vendor().size(), 12u);
    EXPECT_EQ(cpu.Vendor(), DescribeCpu(regs).vendor);
    EXPECT_EQ(cpu.Family(), static_cast<int>((regs.signature >> 8) & 0xF));
    EXPECT_EQ(cpu.ModelName(), CpuModelName(cpu.Vendor(), cpu.Family(), cpu.Model(), cpu.ExtendedFamily()));
    EXPECT_FALSE(cpu.ModelName().empty());
    // Every x86-64 processor has SSE2, and the clock ran for a second.
    EXPECT_TRUE(cpu.HasSse2());
    EXPECT_GT(cpu.Speed(), 0u);
}

TEST(ScreenProbes, CompareWithTheScreenInUse) {
    const CReq req;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(req.ResolutionRequirementMet("Any resolution"));
    EXPECT_TRUE(req.ResolutionRequirementMet(std::to_string(width) + "x" + std::to_string(height)));
    EXPECT_FALSE(req.ResolutionRequirementMet(std::to_string(width + 1) + "x" + std::to_string(height)));
    EXPECT_FALSE(req.ResolutionRequirementMet(std::to_string(width) + "x" + std::to_string(height + 1)));
    EXPECT_TRUE(req.ColourRequirementMet("no such depth"));
    EXPECT_GT(req.ScreenBitsPerPixel(), 0);
    EXPECT_EQ(req.ColourRequirementMet("32bit colors"), req.ScreenBitsPerPixel() >= 32);
}

TEST(MemoryProbe, CountsInstalledMemory) {
    const CReq req;
    const long long counted = req.CountedMemoryMegabytes();
    EXPECT_GT(counted, 1);
    EXPECT_TRUE(req.MemoryRequirementMet(static_cast<int>(counted)));
    EXPECT_FALSE(req.MemoryRequirementMet(static_cast<int>(counted + 1)));
    EXPECT_FALSE(req.MemoryRequirementMet(999999 * 100));
}

}  // namespace
}  // namespace qx
