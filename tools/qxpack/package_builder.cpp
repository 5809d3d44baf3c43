#include "tools/qxpack/package_builder.h"

#include <filesystem>

#include "setup/payload/file_crypt_error.h"
#include "tools/qxpack/package_copy.h"
#include "tools/qxpack/package_folders.h"

namespace fs = std::filesystem;

namespace qx {

// The steps run in this order so that nothing is written before both folders
// have been checked. A compressed payload will be one more step between the
// copy and the scripts.
bool BuildPackage(const PackageBuildOptions& options, std::string* error) {
    const fs::path input(options.inputFolder);
    const fs::path output(options.outputFolder);
    if (options.inputFolder.empty() || options.outputFolder.empty()) {
        if (error) *error = "both an input folder and an output folder are needed";
        return false;
    }
    if (!CheckInputFolder(input, error)) return false;
    if (!PrepareOutputFolder(input, output, error)) return false;
    if (!CopyPackageFiles(input, output, error)) return false;
    try {
        EncryptScript((input / kPlainScript).string(), (output / kEncryptedScript).string());
        EncryptScript((input / kPlainDataScript).string(), (output / kEncryptedDataScript).string());
    } catch (const FileCryptError& e) {
        if (error) *error = e.what();
        return false;
    }
    return true;
}

}  // namespace qx
