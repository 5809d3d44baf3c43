#include "package_fixture.h"

#include "tools/qxpack/package_builder.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>

namespace qx::e2e {

std::string WinePath(const std::string& unixPath) {
    std::string p = "Z:" + unixPath;
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

std::string SetupExePath() { return WinePath(QX_BINARY_DIR) + "\\setup\\setup.exe"; }

std::string ArtifactFolder(const std::string& sub) {
    std::string folder = WinePath(QX_BINARY_DIR) + "\\artifacts";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\" + sub;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

std::string FreshFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "qxe2e_" + std::to_string(GetCurrentProcessId()) + "_" +
                         std::to_string(counter++) + "_" + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void EnsureParents(const std::string& root, const std::string& relative) {
    std::size_t pos = 0;
    while ((pos = relative.find('\\', pos)) != std::string::npos) {
        CreateDirectoryA((root + relative.substr(0, pos)).c_str(), nullptr);
        ++pos;
    }
}

}  // namespace

std::string BuildTestPackage(const std::string& name, const PlainPackage& plain) {
    // The plain folder is what a package author hands to the builder.
    std::string source = FreshFolder(name + "_plain");
    WriteFileBytes(source + "setup.inf", plain.setupInf);
    WriteFileBytes(source + "data.inf", plain.dataInf);
    for (const auto& f : plain.files) {
        EnsureParents(source, f.first);
        WriteFileBytes(source + f.first, f.second);
    }
    std::string folder = FreshFolder(name);
    PackageBuildOptions options;
    options.inputFolder = source;
    options.outputFolder = folder;
    std::string error;
    if (!BuildPackage(options, &error)) throw std::runtime_error("package builder: " + error);
    if (!CopyFileA(SetupExePath().c_str(), (folder + "setup.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy " + SetupExePath());
    return folder;
}

std::string MinimalSetupInf(const std::string& extraSections) {
    std::string text =
        "[APPINFO]\r\na1=Trombela\r\na2=2.0\r\na3={6F1C2A7E-3B4D-4E8A-9C21-7A5E0B9D4C13}\r\n"
        "a4=<ProgramFilesFolder>\\Morvaine\\Trombela\r\na19=Morvaine Software\r\nLanguage=English\r\n"
        "[DIALOGLIST]\r\nTOTAL1=0\r\n[BUILDING]\r\nCURRENTBUILD=Disk Image\r\n"
        // Any system, processor, memory, screen and colours.
        "[SYSTEM]\r\nos0=Yes\r\nos1=Yes\r\nos2=Yes\r\nos3=Yes\r\nos4=Yes\r\nos5=Yes\r\nos6=Yes\r\nos7=Yes\r\n"
        "1=All Processors\r\n2=Any\r\n3=checkSCREEN\r\n4=Any colors\r\n";
    return text + extraSections;
}

std::string MinimalDataInf() {
    return "C:\\Build\\Trombela\\trombela.exe\r\nDestination Computer\\<InstallDir>*0*0*0|Program Files\r\n";
}

}  // namespace qx::e2e
