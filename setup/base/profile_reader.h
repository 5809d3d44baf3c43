// KeyValueReader over a real INI file through the profile API, one value per
// call, as the package scripts and layouts are read at run time.
#pragma once
#include "setup/base/key_value_reader.h"

namespace qx {

class ProfileReader : public KeyValueReader {
public:
    explicit ProfileReader(std::string path) : path_(std::move(path)) {}
    std::string Read(const std::string& section, const std::string& key,
                     std::size_t buffer = kValueBuffer) const override;
    std::vector<std::string> Keys(const std::string& section) const override;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace qx
