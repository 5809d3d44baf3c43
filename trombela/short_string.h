// Stored texts are length-prefixed fields of a fixed capacity: one length
// byte, then exactly `capacity` character bytes. Texts that do not fit are cut,
// never spilled into the next field.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trombela {

// A short string occupies its capacity plus the length byte.
constexpr std::size_t ShortStringSize(std::size_t capacity) { return capacity + 1; }

// Writes `text` cut to `capacity` into `field`, which must hold
// ShortStringSize(capacity) bytes; unused character bytes become zero.
void PutShortString(std::uint8_t* field, std::size_t capacity, std::string_view text);

// Reads a field written by PutShortString. A length byte larger than the
// capacity (a damaged or foreign file) is read as the full capacity.
std::string GetShortString(const std::uint8_t* field, std::size_t capacity);

}  // namespace trombela
