#include "tools/qxpack/package_copy.h"

#include <system_error>

#include "tools/qxpack/package_builder.h"

namespace fs = std::filesystem;

namespace qx {
namespace {

// The scripts never travel in plain form, and stale encrypted ones in the
// plain folder would be overwritten anyway.
bool IsScript(const fs::path& name) {
    for (const char* script : {kPlainScript, kPlainDataScript, kEncryptedScript, kEncryptedDataScript})
        if (name == script) return true;
    return false;
}

}  // namespace

bool CopyPackageFiles(const fs::path& input, const fs::path& output, std::string* error) {
    std::error_code ec;
    for (fs::directory_iterator it(input, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (IsScript(name)) continue;
        std::error_code copyError;
        fs::copy(it->path(), output / name,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, copyError);
        if (copyError) {
            if (error) *error = "cannot copy " + it->path().string() + " to " + (output / name).string() + ": " +
                                copyError.message();
            return false;
        }
    }
    if (ec) {
        if (error) *error = "cannot read the input folder " + input.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace qx
