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

int CallLibraryProcedure(const std::string& library, const std::string& procedure, const std::string& installDir) {
    unique_module module(LoadLibraryA(library.c_str()));
    if (!module) return -1;
    using Procedure = int(WINAPI*)(char*);
    auto call = reinterpret_cast<Procedure>(reinterpret_cast<void*>(GetProcAddress(module.get(), procedure.c_str())));
    if (!call) return -1;
    // A longer folder is cut to what the buffer holds; the procedure may write
    // up to its end.
    std::vector<char> buffer(255, '\0');
    installDir.copy(buffer.data(), buffer.size() - 1);
    return call(buffer.data());
}

}  // namespace qx
