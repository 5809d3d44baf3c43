// The running Windows version, asked once per process.
#pragma once
#include "setup/probes/os_rules.h"

namespace qx {

// First with the basic version structure; on NT 5 or later again with the
// extended one. The answer is kept for the rest of the process.
const OsVersion& RunningOsVersion();

}  // namespace qx
