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

// Loads the library, calls the procedure with one argument, a writable
// 255-character buffer holding the installation folder (standard Windows
// calling convention, integer result), and unloads it again. -1 when the
// library or the procedure is missing.
int CallLibraryProcedure(const std::string& library, const std::string& procedure, const std::string& installDir);

}  // namespace qx
