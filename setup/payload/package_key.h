// The key set-up of the package scripts (setup.nsx, data.nsx). setup, the
// package builder and the tests all take it from here, so they cannot drift
// apart. With these values the cipher is AES-128 in ECB mode.
#pragma once
#include "setup/payload/rijndael_file.h"

namespace package_key {

inline constexpr char kKeyText[] = ".q..wm.%.71856";
inline constexpr int kKeyTextLength = sizeof kKeyText - 1;
inline constexpr unsigned char kInitialChain[16] = {};
inline constexpr int kKeyLength = 16;
inline constexpr int kBlockSize = 16;
inline constexpr int kMode = IMethod::ECB;
inline constexpr int kPadding = IMethod::ZEROES;

static_assert(kKeyTextLength == 14, "the package key text has 14 characters");

inline void SetPackageKey(CRijndaelFILE& cipher) {
    cipher.SetKey(kKeyText, kKeyTextLength, kInitialChain, kKeyLength, kBlockSize, kMode, kPadding);
}

}  // namespace package_key
