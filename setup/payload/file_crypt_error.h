// The one error type of the file cipher. Callers decide what a failed
// decryption means for them (a damaged package, a wrong key), so the error only
// carries the text that says what went wrong.
#pragma once
#include <stdexcept>
#include <string>

class FileCryptError : public std::runtime_error {
public:
    explicit FileCryptError(const std::string& message) : std::runtime_error(message) {}
    const char* Message() const noexcept { return what(); }
};

// Texts shared by more than one class; the others sit beside the check that raises them.
namespace file_crypt_text {
inline constexpr const char* kNotInitialized =
    "FileCrypt ERROR: Encryption/Decryption Object not Initialized!";
inline constexpr const char* kIllegalBlockSize = "Illegal Block Size!";
}  // namespace file_crypt_text
