// The controller's expansion of path variables in script values and captions.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace qx {

// The controller's own values, as the tokens stand for them. Shell folders are
// without trailing backslash; the folders noted below carry one.
struct TokenValues {
    std::string programFiles;
    std::string systemFolder;     // with backslash
    std::string windowsFolder;
    std::string commonFiles;
    std::string windowsVolume;
    std::string favorites;
    std::string personal;
    std::string pictures;
    std::string tempFolder;       // with backslash
    std::string sendTo;
    std::string fonts;
    std::string appData;
    std::string productName;
    std::string currentDrive;     // with backslash
    std::string currentDirectory; // with backslash
    std::string installDir;       // with backslash
    std::string productCode;
    std::string userName;
    std::string companyName;
    std::string publisher;
    std::string productVersion;
};

using ScriptVariables = std::vector<std::pair<std::string, std::string>>;

void ReplaceAll(std::string& text, const std::string& from, const std::string& to);
std::string ExpandTokens(const std::string& text, const TokenValues& values, const ScriptVariables& variables);

}  // namespace qx
