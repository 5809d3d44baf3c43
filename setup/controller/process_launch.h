// Starting the package's own programs: with the shell, or as a process that
// the controller waits for.
#pragma once
#include <string>

namespace qx {

// Creates the process with the program as application name (at most 255
// characters) and the parameters as its command line (none when empty),
// detached at normal priority, and waits until it ends. False when it could
// not be started.
bool StartProgramAndWait(const std::string& program, const std::string& parameters);

// Opens a file or web address with the shell's default action; no waiting.
void ShellOpen(const std::string& target, const std::string& parameters);

}  // namespace qx
