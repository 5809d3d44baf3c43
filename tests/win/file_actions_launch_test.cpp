// Starting programs the way page-entry file actions do: this test program
// doubles as the started program, which appends one line to a file.
#include "setup/controller/process_launch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr const char* kAppendFlag = "--qx-append=";

// Runs before the tests: started as a file action, the program only appends
// a line (after a pause, so a caller that did not wait would miss it) and ends.
const bool kActedAsChild = [] {
    std::string line = GetCommandLineA();
    const std::size_t at = line.find(kAppendFlag);
    if (at == std::string::npos) return false;
    Sleep(300);
    std::ofstream(line.substr(at + std::strlen(kAppendFlag)), std::ios::app | std::ios::binary) << "ran\n";
    ExitProcess(0);
}();

std::string SelfPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string TempFile(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + name + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(path.c_str());
    return path;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(FileActionLaunch, WaitsForTheProgramToEnd) {
    const std::string out = TempFile("qxlaunch");
    ASSERT_TRUE(qx::StartProgramAndWait(SelfPath(), std::string(kAppendFlag) + out));
    EXPECT_EQ(Read(out), "ran\n");
    ASSERT_TRUE(qx::StartProgramAndWait(SelfPath(), std::string(kAppendFlag) + out));
    EXPECT_EQ(Read(out), "ran\nran\n");
    DeleteFileA(out.c_str());
}

TEST(FileActionLaunch, RefusesWhatItCannotStart) {
    EXPECT_FALSE(qx::StartProgramAndWait("C:\\no\\such\\program.exe", ""));
    EXPECT_FALSE(qx::StartProgramAndWait("", "x"));
    EXPECT_FALSE(qx::StartProgramAndWait(std::string(256, 'a') + ".exe", ""));
}

TEST(FileActionLibrary, CallsTheProcedureWithTheInstallationFolder) {
    // A system procedure of the same shape: it reports the length of the text it gets.
    const std::string folder = "C:\\Program Files\\Trombela\\";
    EXPECT_EQ(qx::CallLibraryProcedure("kernel32.dll", "lstrlenA", folder), static_cast<int>(folder.size()));
    EXPECT_EQ(qx::CallLibraryProcedure("kernel32.dll", "lstrlenA", "X"), 1);
    EXPECT_EQ(qx::CallLibraryProcedure("kernel32.dll", "lstrlenA", std::string(400, 'a')), 254)
        << "the folder is cut to the 255-character buffer";
    EXPECT_EQ(qx::CallLibraryProcedure("kernel32.dll", "NoSuchProcedure", "X"), -1);
    EXPECT_EQ(qx::CallLibraryProcedure("C:\\no\\such.dll", "lstrlenA", "X"), -1);
}

}  // namespace
