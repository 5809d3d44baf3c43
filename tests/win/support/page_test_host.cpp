#include "page_test_host.h"

#include "setup/pages/page_font.h"

#include <fstream>

namespace pagetest {

namespace {
// Linux paths from the build system become paths on Wine's drive Z:.
std::string ToWindows(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}
}  // namespace

PageTestHost::PageTestHost() {
    tokens["<ProductName>"] = "Trombela";
    tokens["<InstallDir>"] = "C:\\Program Files\\Trombela\\";
    workFolder = ScratchFolder("page_work");
}

std::string PageTestHost::ExpandTokens(const std::string& text) {
    std::string out = text;
    for (const auto& [token, value] : tokens) {
        for (std::size_t at = out.find(token); at != std::string::npos; at = out.find(token, at + value.size()))
            out.replace(at, token.size(), value);
    }
    return out;
}

void PageTestHost::SetPageFont(const std::string& face, int height, int bold, int italic, int pointSize) {
    fontCalls.push_back({face, height, bold, italic, pointSize});
    int h = height != 0 ? height : (pointSize > 0 ? qx::pages::PointsToHeight(pointSize) : 0);
    previousFont_ = std::move(font_);
    font_ = qx::pages::MakeFont({face, h, bold == 255, italic == 255, false});
}

std::string SourcePath(const std::string& relative) { return ToWindows(std::string(QX_SOURCE_DIR) + "/" + relative); }

std::string BuildPath(const std::string& relative) { return ToWindows(std::string(QX_BINARY_DIR) + "/" + relative); }

std::string ScratchFolder(const std::string& name) {
    std::string folder = BuildPath("page_scratch");
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

void PumpMessages(int milliseconds) {
    DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

}  // namespace pagetest
