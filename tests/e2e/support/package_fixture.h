// Packages for end-to-end runs: a plain package folder is written from texts
// and turned into a distributable one by the package builder, with setup.exe
// copied in, all in a fresh folder below the Windows temporary folder.
#pragma once
#include <map>
#include <string>

namespace qx::e2e {

// A Unix path given at build time, as Wine shows it (drive Z:).
std::string WinePath(const std::string& unixPath);
std::string SetupExePath();
std::string ArtifactFolder(const std::string& sub);

struct PlainPackage {
    std::string setupInf;
    std::string dataInf;
    // Further files of the plain folder, by relative path.
    std::map<std::string, std::string> files;
};

// Builds the package and returns its folder (with trailing backslash).
std::string BuildTestPackage(const std::string& name, const PlainPackage& plain);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The minimal scripts most runs need; CRLF lines as authoring tools write them.
std::string MinimalSetupInf(const std::string& extraSections = "");
std::string MinimalDataInf();

}  // namespace qx::e2e
