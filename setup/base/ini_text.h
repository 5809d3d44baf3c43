// An INI text held in memory, read with the same rules as the profile API:
// section and key names compare case-insensitively, values are trimmed of
// surrounding blanks and of one pair of enclosing quotes.
#pragma once
#include "setup/base/key_value_reader.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qx {

class IniText : public KeyValueReader {
public:
    IniText() = default;
    explicit IniText(const std::string& text);
    static IniText FromFile(const std::string& path, bool* ok = nullptr);

    std::string Read(const std::string& section, const std::string& key,
                     std::size_t buffer = kValueBuffer) const override;
    std::vector<std::string> Keys(const std::string& section) const override;
    bool HasSection(const std::string& section) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const Section* Find(const std::string& section) const;
    std::vector<Section> sections_;
};

}  // namespace qx
