#include "tools/ui_driver/ui_driver.h"

namespace qx::ui {

bool Process::Start(const std::string& exe, const std::string& workingFolder, const std::string& arguments) {
    std::string command = "\"" + exe + "\"";
    if (!arguments.empty()) command += " " + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    process_.reset(pi.hProcess);
    id_ = pi.dwProcessId;
    // Windows appear only once the program waits for input the first time.
    WaitForInputIdle(pi.hProcess, 10000);
    return true;
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(milliseconds timeout) const {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void Process::Kill() {
    if (Running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

Process::~Process() { Kill(); }

}  // namespace qx::ui
