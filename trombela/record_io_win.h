// Checked record input and output: every stored file is one fixed-size record,
// read or written whole. Anything short of that (a missing folder, a file that
// cannot be opened or created, a file shorter than its record, a failed write)
// raises InOutError, which the window reports in an error box before stopping
// the operation. A write never leaves a half-written file behind: the record
// goes to a scratch file beside the target, which then replaces it.
#pragma once
#include "trombela/records.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace trombela {

class InOutError : public std::runtime_error {
public:
    InOutError(std::uint32_t code, std::string path);
    std::uint32_t code() const { return code_; }
    const std::string& path() const { return path_; }

private:
    std::uint32_t code_;
    std::string path_;
};

// Paths are in code page 1250, like everything the program stores.
Bytes ReadRecord(const std::string& path, std::size_t size);
void WriteRecord(const std::string& path, const Bytes& record);
bool FileExists(const std::string& path);

// Writes `fresh` when `path` does not exist yet, then reads the record back:
// how every stored file is opened at start-up.
Bytes ReadOrCreateRecord(const std::string& path, const Bytes& fresh);

}  // namespace trombela
