// Turns a plain package folder (setup.inf, data.inf, theme, languages, payload)
// into the folder that setup is started from: the two scripts encrypted with
// the package key as setup.nsx and data.nsx, everything else copied as it is.
#pragma once
#include <string>

namespace qx {

struct PackageBuildOptions {
    std::string inputFolder;   // the plain package folder
    std::string outputFolder;  // created if missing; existing files are replaced
};

// Names of the package items the builder treats specially.
inline constexpr const char* kPlainScript = "setup.inf";
inline constexpr const char* kPlainDataScript = "data.inf";
inline constexpr const char* kEncryptedScript = "setup.nsx";
inline constexpr const char* kEncryptedDataScript = "data.nsx";

// Builds the package; on failure returns false with a message for the user in
// *error (when given). A failure can leave a partly written output folder.
bool BuildPackage(const PackageBuildOptions& options, std::string* error);

// Encrypts one plain script into the package's .nsx form. Raises
// FileCryptError with the cipher's message when a file cannot be read or
// written. Used by BuildPackage and by tests that make broken package variants.
void EncryptScript(const std::string& plainPath, const std::string& nsxPath);

}  // namespace qx
