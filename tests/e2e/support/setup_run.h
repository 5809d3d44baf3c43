// One run of setup.exe in a package folder with a trace monitor listening.
#pragma once
#include "tools/trace_monitor/trace_monitor.h"
#include "tools/ui_driver/ui_driver.h"

#include <set>
#include <string>
#include <vector>

namespace qx::e2e {

class SetupRun {
public:
    explicit SetupRun(const std::string& packageFolder);
    ~SetupRun();
    bool Started() const { return started_; }
    ui::Process& Process() { return process_; }
    TraceMonitor& Monitor() { return monitor_; }
    // Work folders (%TEMP%\qx*) that appeared since the run began.
    std::vector<std::string> NewWorkFolders() const;

private:
    TraceMonitor monitor_;
    ui::Process process_;
    std::set<std::string> foldersBefore_;
    bool started_ = false;
};

std::set<std::string> WorkFolders();

}  // namespace qx::e2e
