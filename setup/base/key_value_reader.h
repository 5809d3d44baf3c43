// The package formats (setup script, layout files, language files) are INI
// files read value by value. Parsing code takes this interface instead of the
// profile API so it can be tested without Windows.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace qx {

// The buffer size the original readers use: at most size - 1 characters of a
// value are significant, the rest is cut.
constexpr std::size_t kValueBuffer = 255;
constexpr std::size_t kShortValueBuffer = 100;

class KeyValueReader {
public:
    virtual ~KeyValueReader() = default;
    // A missing key and an empty value are the same: the empty string.
    virtual std::string Read(const std::string& section, const std::string& key,
                             std::size_t buffer = kValueBuffer) const = 0;
    // Names of the keys of a section in file order (empty for a missing section).
    virtual std::vector<std::string> Keys(const std::string& section) const = 0;
};

// Leading decimal digits of a value; empty or non-numeric text is 0. Values
// that overflow saturate rather than wrap.
int LeadingNumber(const std::string& text);

}  // namespace qx
