#include "trombela/short_string.h"

#include <algorithm>
#include <cstring>

namespace trombela {

void PutShortString(std::uint8_t* field, std::size_t capacity, std::string_view text) {
    // The length byte cannot express more than 255 characters.
    const std::size_t limit = std::min<std::size_t>(capacity, 255);
    const std::size_t n = std::min(text.size(), limit);
    std::memset(field, 0, ShortStringSize(capacity));
    field[0] = static_cast<std::uint8_t>(n);
    if (n) std::memcpy(field + 1, text.data(), n);
}

std::string GetShortString(const std::uint8_t* field, std::size_t capacity) {
    const std::size_t n = std::min<std::size_t>(field[0], capacity);
    return std::string(reinterpret_cast<const char*>(field + 1), n);
}

}  // namespace trombela
