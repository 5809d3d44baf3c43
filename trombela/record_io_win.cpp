#include "trombela/record_io_win.h"

#include "setup/base/unique_handle.h"
#include "trombela/text_1250_win.h"

#include <windows.h>

namespace trombela {
namespace {

[[noreturn]] void Fail(DWORD code, const std::string& path) {
    throw InOutError(code ? code : ERROR_GEN_FAILURE, path);
}

}  // namespace

InOutError::InOutError(std::uint32_t code, std::string path)
    : std::runtime_error("I/O error " + std::to_string(code) + ": " + path), code_(code),
      path_(std::move(path)) {}

Bytes ReadRecord(const std::string& path, std::size_t size) {
    unique_file_handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail(GetLastError(), path);
    Bytes record(size);
    DWORD got = 0;
    if (!ReadFile(file.get(), record.data(), DWORD(size), &got, nullptr)) Fail(GetLastError(), path);
    // A file shorter than its record is as bad as a missing one.
    if (got != size) Fail(ERROR_HANDLE_EOF, path);
    return record;
}

void WriteRecord(const std::string& path, const Bytes& record) {
    const std::wstring target = Widen(path);
    const std::wstring scratch = target + L".~new";
    {
        unique_file_handle file(CreateFileW(scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) Fail(GetLastError(), path);
        DWORD put = 0;
        const BOOL ok = WriteFile(file.get(), record.data(), DWORD(record.size()), &put, nullptr) &&
                        put == record.size() && FlushFileBuffers(file.get());
        if (!ok) {
            const DWORD code = GetLastError();
            file.reset();
            DeleteFileW(scratch.c_str());
            Fail(code ? code : ERROR_DISK_FULL, path);
        }
    }
    if (!MoveFileExW(scratch.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        DeleteFileW(scratch.c_str());
        Fail(code, path);
    }
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Bytes ReadOrCreateRecord(const std::string& path, const Bytes& fresh) {
    if (!FileExists(path)) WriteRecord(path, fresh);
    return ReadRecord(path, fresh.size());
}

}  // namespace trombela
