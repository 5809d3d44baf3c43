// Whole-file encryption and decryption, and the digest header that names the
// key set-up a file was made with.
#include "setup/payload/rijndael_file.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "setup/payload/double_buffering.h"
#include "setup/payload/file_crypt_error.h"
#include "setup/payload/sha256.h"

namespace {

// Larger than the chunk so the operating system sees few, large transfers;
// still a fixed amount whatever the file size.
constexpr size_t kStreamBufferSize = 64 * 1024;

std::string PathText(const char* path) { return path ? path : ""; }

// Two spellings of one file ("a/../x" and "x", or a different letter case on
// Windows) would otherwise truncate the input before it is read.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    try {
        std::error_code error;
        return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error) && !error;
    } catch (const std::exception&) {
        return false;  // a name the path class cannot convert: the exact comparison stands
    }
}

// Both streams of one file operation with their buffers; the buffers are
// declared first so they outlive the streams that flush into them.
struct FilePair {
    std::unique_ptr<char[]> inBuffer{new char[kStreamBufferSize]};
    std::unique_ptr<char[]> outBuffer{new char[kStreamBufferSize]};
    std::ifstream in;
    std::ofstream out;

    FilePair(const char* inPath, const char* outPath) {
        const std::string inText = PathText(inPath);
        const std::string outText = PathText(outPath);
        if (SameFile(inText, outText))
            throw FileCryptError("FileCrypt ERROR: The same File for Input and Output " + inText + "!");
        in.rdbuf()->pubsetbuf(inBuffer.get(), kStreamBufferSize);
        in.open(inText, std::ios::in | std::ios::binary);
        if (!in.is_open()) throw FileCryptError("FileCrypt ERROR: Cannot open File " + inText + "!");
        out.rdbuf()->pubsetbuf(outBuffer.get(), kStreamBufferSize);
        out.open(outText, std::ios::out | std::ios::binary | std::ios::trunc);
        if (!out.is_open()) throw FileCryptError("FileCrypt ERROR: Cannot open File " + outText + "!");
    }

    // A full disk must not leave a short file behind that looks complete.
    void Write(const unsigned char* data, int length, const char* outPath) {
        out.write(reinterpret_cast<const char*>(data), length);
        if (!out) throw FileCryptError("FileCrypt ERROR: Cannot write File " + PathText(outPath) + "!");
    }

    void Finish(const char* outPath) {
        out.close();
        if (out.fail()) throw FileCryptError("FileCrypt ERROR: Cannot write File " + PathText(outPath) + "!");
        in.close();
    }
};

}  // namespace

void CRijndaelFILE::ParameterDigest(unsigned char* digest) {
    CheckInitialized();
    // "RIJNDAEL", the key bytes, then block size, key length, mode and padding
    // as decimal digits: at most 8 + 32 + 2 + 2 + 1 + 1 bytes.
    unsigned char text[48] = {};
    int length = 0;
    std::memcpy(text, "RIJNDAEL", 8);
    length += 8;
    std::memcpy(text + length, m_chKey, static_cast<size_t>(m_iKeyLength));
    length += m_iKeyLength;
    char numbers[16];
    const int digits = std::snprintf(numbers, sizeof numbers, "%d%d%d%d", static_cast<int>(m_iBlockSize),
                                     static_cast<int>(m_iKeyLength), static_cast<int>(m_iMode),
                                     static_cast<int>(m_iPadding));
    std::memcpy(text + length, numbers, static_cast<size_t>(digits));
    length += digits;
    // The whole text is hashed, zero key bytes included, so keys that differ
    // only after a zero byte still get different headers.
    CSHA sha;
    sha.AddData(text, length);
    sha.FinalDigest(digest);
}

void CRijndaelFILE::EncryptToFile(const char* inPath, const char* outPath) {
    CheckInitialized();
    FilePair files(inPath, outPath);

    unsigned char header[kDigestLength];
    ParameterDigest(header);
    files.Write(header, kDigestLength, outPath);
    RestartChain();

    unsigned char buffer[kFileBufferSize];
    unsigned char plain[kFileChunk];
    unsigned char cipher[kFileChunk];
    CDoubleBuffering reader(files.in, buffer, kFileBufferSize, kFileChunk);
    for (;;) {
        int length = reader.GetData(plain, kFileChunk);
        if (length == 0) break;
        // 384 is a multiple of every block size, so padding never grows a
        // short chunk past kFileChunk.
        if (length < kFileChunk) length = PadToBlock(plain, length);
        EncryptBlocks(plain, cipher, length);
        files.Write(cipher, length, outPath);
    }
    files.Finish(outPath);
}

void CRijndaelFILE::DecryptToFile(const char* inPath, const char* outPath) {
    CheckInitialized();
    FilePair files(inPath, outPath);

    unsigned char expected[kDigestLength];
    ParameterDigest(expected);
    unsigned char header[kDigestLength] = {};
    files.in.read(reinterpret_cast<char*>(header), kDigestLength);
    if (files.in.gcount() != kDigestLength || std::memcmp(header, expected, kDigestLength) != 0)
        throw FileCryptError("FileCrypt ERROR: File " + PathText(inPath) + " cannot be Correctly Decrypted!");
    RestartChain();

    unsigned char buffer[kFileBufferSize];
    unsigned char chunk[kFileChunk];
    CDoubleBuffering reader(files.in, buffer, kFileBufferSize, kFileChunk);
    for (;;) {
        const int length = reader.GetData(chunk, kFileChunk);
        if (length == 0) break;
        DecryptBlocks(chunk, chunk, length);
        files.Write(chunk, length, outPath);
    }
    files.Finish(outPath);
}
