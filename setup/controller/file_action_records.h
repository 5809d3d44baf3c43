// The FILEACTION section: one record per action, the page display names, the
// operating-system mask, and the decisions that running one action takes
// before anything is started.
#pragma once
#include "setup/base/key_value_reader.h"

#include <functional>
#include <string>
#include <vector>

namespace qx {

struct FileActionRecord {
    std::string target;      // B, expanded, resource folder resolved
    std::string parameters;  // C, expanded
    std::string page;        // E through the display-name table
    std::string f;           // F, kept
    std::string runOnce;     // G
    std::string wait;        // H
    int osMask = 0;          // L
    std::string condition;   // M
    int executed = 0;        // 255 once a run-once action has been started
};

// "Install Welcome" -> welcome.lcd, ...; other texts are returned as written.
std::string PageForDisplayName(const std::string& text);

// True when a clear bit of the mask names the running system.
bool OsMaskBlocks(int osMask, const std::string& osName);

using TextRule = std::function<std::string(const std::string&)>;

// Reads TOTAL and the records; records beyond the table size are ignored.
// expand is the path-variable expansion, resolveResources the resource-folder rule.
std::vector<FileActionRecord> ReadFileActionRecords(const KeyValueReader& script, const TextRule& expand,
                                                     const TextRule& resolveResources, int* total = nullptr);

// What running one record does, decided before the condition is asked.
struct FileActionPlan {
    bool run = false;          // false: executed already or blocked by the OS mask
    bool openWebAddress = false;
    bool startProgram = false; // ".exe" in the target
    bool programViaShell = false;
    bool shellWithParameters = false;
    bool waitForProgram = false;
    bool callLibrary = false;  // ".dll" in the target
};

// Marks a run-once record as executed (even when the OS mask then blocks it).
FileActionPlan PlanFileAction(FileActionRecord& record, const std::string& osName);

}  // namespace qx
