#include "setup_run.h"

#include "package_fixture.h"

#include <windows.h>

namespace qx::e2e {

std::set<std::string> WorkFolders() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::set<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((std::string(temp) + "qx*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found.insert(std::string(temp) + data.cFileName + "\\");
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return found;
}

SetupRun::SetupRun(const std::string& packageFolder) {
    foldersBefore_ = WorkFolders();
    if (!monitor_.Start()) return;
    started_ = process_.Start(packageFolder + "setup.exe", packageFolder);
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + name + "\\");
            else DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

SetupRun::~SetupRun() {
    process_.Kill();
    monitor_.Stop();
    // A later run within the same second must get a folder of its own.
    for (const auto& f : NewWorkFolders()) RemoveTree(f);
}

std::vector<std::string> SetupRun::NewWorkFolders() const {
    std::vector<std::string> fresh;
    for (const auto& f : WorkFolders())
        if (!foldersBefore_.count(f)) fresh.push_back(f);
    return fresh;
}

}  // namespace qx::e2e
