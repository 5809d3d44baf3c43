#include "setup/controller/process_launch.h"

#include "setup/base/unique_handle.h"

#include <shellapi.h>

#include <vector>

namespace qx {

bool StartProgramAndWait(const std::string& program, const std::string& parameters) {
    if (program.empty() || program.size() > 255) return false;
    // The command line must be writable for the call.
    std::vector<char> commandLine(parameters.begin(), parameters.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), parameters.empty() ? nullptr : commandLine.data(), nullptr, nullptr, TRUE,
                        DETACHED_PROCESS | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &info))
        return false;
    unique_kernel_handle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    return true;
}

void ShellOpen(const std::string& target, const std::string& parameters) {
    ShellExecuteA(nullptr, nullptr, target.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                  SW_SHOWDEFAULT);
}

}  // namespace qx
