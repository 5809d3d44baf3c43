// Positions are typed as free text and stored as text; they become numbers
// only when an envelope is printed. A text that is not a number must still
// print somewhere predictable, so conversion keeps whatever leading number
// it finds instead of failing.
#pragma once
#include <cstdint>
#include <string_view>

namespace trombela {

// Leading blanks are skipped, then an optional sign, then "$" or "0x"/"0X"
// for hexadecimal, else decimal digits. Reading stops at the first character
// that does not belong to the number; nothing read gives 0. Values beyond the
// 32-bit range saturate rather than wrap.
std::int32_t TextToNumber(std::string_view text);

}  // namespace trombela
