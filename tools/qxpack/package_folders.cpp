#include "tools/qxpack/package_folders.h"

#include <system_error>

#include "tools/qxpack/package_builder.h"

namespace fs = std::filesystem;

namespace qx {
namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

// True when `folder` or one of its parents is `input`. Compares existing
// folders by identity, so other spellings (letter case on Windows, links,
// "..") are caught too.
bool IsInside(const fs::path& folder, const fs::path& input) {
    std::error_code ec;
    fs::path at = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec) at = fs::absolute(folder);
    for (;;) {
        std::error_code eq;
        if (fs::exists(at, eq) && fs::equivalent(at, input, eq) && !eq) return true;
        const fs::path parent = at.parent_path();
        if (parent.empty() || parent == at) return false;
        at = parent;
    }
}

}  // namespace

bool CheckInputFolder(const fs::path& input, std::string* error) {
    std::error_code ec;
    if (!fs::exists(input, ec)) return Fail(error, "input folder not found: " + input.string());
    if (!fs::is_directory(input, ec)) return Fail(error, "input is not a folder: " + input.string());
    for (const char* script : {kPlainScript, kPlainDataScript}) {
        if (!fs::is_regular_file(input / script, ec))
            return Fail(error, std::string(script) + " is missing in the input folder " + input.string());
    }
    return true;
}

bool PrepareOutputFolder(const fs::path& input, const fs::path& output, std::string* error) {
    std::error_code ec;
    if (IsInside(output, input)) {
        const bool same = fs::exists(output, ec) && fs::equivalent(output, input, ec);
        return Fail(error, same ? "the output folder is the input folder: " + output.string()
                                : "the output folder lies inside the input folder: " + output.string());
    }
    if (fs::exists(output, ec) && !fs::is_directory(output, ec))
        return Fail(error, "output is not a folder: " + output.string());
    fs::create_directories(output, ec);
    if (ec || !fs::is_directory(output))
        return Fail(error, "cannot create the output folder " + output.string() + ": " + ec.message());
    return true;
}

}  // namespace qx
