// The digest behind the encrypted-file header, against the FIPS 180-2 examples.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/sha256.h"

namespace {

std::string ToHex(const unsigned char* p, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}

const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// Feeds `message` in pieces of `piece` bytes (0: all at once).
std::string Hash(CSHA& sha, const std::string& message, size_t piece = 0) {
    if (piece == 0) piece = message.size();
    for (size_t at = 0; at < message.size(); at += piece) {
        const size_t n = std::min(piece, message.size() - at);
        sha.AddData(Bytes(message) + at, static_cast<int>(n));
    }
    unsigned char digest[32];
    sha.FinalDigest(digest);
    return ToHex(digest, sizeof digest);
}

struct Vector {
    const char* name;
    std::string message;
    const char* digest;
};

const Vector kFips180[] = {
    {"one block", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"two blocks (448 bits)", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"one million a", std::string(1000000, 'a'),
     "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
};

TEST(CipherSha256, Fips180Examples) {
    for (const auto& v : kFips180) {
        SCOPED_TRACE(v.name);
        CSHA sha;
        EXPECT_EQ(Hash(sha, v.message), v.digest);
    }
}

TEST(CipherSha256, PiecesAcrossBlockBoundariesGiveTheSameDigest) {
    for (const auto& v : kFips180)
        for (size_t piece : {1, 3, 55, 56, 63, 64, 65, 1000}) {
            if (v.message.size() > 100000 && piece < 55) continue;  // keep the slow path short
            SCOPED_TRACE(std::string(v.name) + ", pieces of " + std::to_string(piece));
            CSHA sha;
            EXPECT_EQ(Hash(sha, v.message, piece), v.digest);
        }
}

TEST(CipherSha256, FinalDigestStartsOver) {
    CSHA sha;
    Hash(sha, "something else entirely, longer than one block of sixty-four bytes........");
    EXPECT_EQ(Hash(sha, "abc"), kFips180[0].digest);
}

TEST(CipherSha256, Misuse) {
    CSHA sha;
    unsigned char digest[32];
    try {
        sha.FinalDigest(digest);
        ADD_FAILURE() << "FinalDigest without data";
    } catch (const FileCryptError& e) {
        EXPECT_STREQ(e.what(), "FileCrypt ERROR: in CSHA::FinalDigest(), No data Added before call!");
    }
    for (int length : {0, -1}) {
        try {
            sha.AddData(Bytes("abc"), length);
            ADD_FAILURE() << "AddData length " << length;
        } catch (const FileCryptError& e) {
            EXPECT_STREQ(e.what(), "FileCrypt ERROR: in CSHA::AddData(), Data Length should be > 0!");
        }
    }
    // Refused calls leave the object usable.
    EXPECT_EQ(Hash(sha, "abc"), kFips180[0].digest);
}

}  // namespace
