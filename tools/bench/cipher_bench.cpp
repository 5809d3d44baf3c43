// Throughput of package-script decryption. Not a test: it prints figures.
//
//   cipher_bench prepare <folder> [MiB]   plain.bin (random), package.nsx (its
//                                         encrypted form), body.bin (package.nsx
//                                         after the 32-byte header), key.hex
//   cipher_bench decrypt <nsx> <out>      one DecryptToFile, timed in-process
//   cipher_bench verify <plain> <out>     out must be plain plus zero fill
//   cipher_bench run <folder> [MiB]       prepare, decrypt three times, verify
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "setup/payload/file_crypt_error.h"
#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"

namespace {

constexpr size_t kMiB = 1024 * 1024;

std::string Join(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

bool Prepare(const std::string& folder, size_t mebibytes) {
    const std::string plain = Join(folder, "plain.bin");
    {
        std::ofstream out(plain, std::ios::binary | std::ios::trunc);
        std::mt19937_64 random(20261211);
        std::vector<uint64_t> block(64 * 1024 / sizeof(uint64_t));
        for (size_t written = 0; written < mebibytes * kMiB; written += block.size() * sizeof(uint64_t)) {
            for (auto& word : block) word = random();
            out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size() * sizeof(uint64_t)));
        }
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", plain.c_str());
            return false;
        }
    }
    CRijndaelFILE cipher;
    package_key::SetPackageKey(cipher);
    const std::string nsx = Join(folder, "package.nsx");
    cipher.EncryptToFile(plain.c_str(), nsx.c_str());

    // The ciphertext alone, for tools that know nothing of the header.
    std::ifstream in(nsx, std::ios::binary);
    in.seekg(IMethod::kDigestLength);
    std::ofstream body(Join(folder, "body.bin"), std::ios::binary | std::ios::trunc);
    body << in.rdbuf();

    std::ofstream key(Join(folder, "key.hex"), std::ios::trunc);
    for (int i = 0; i < package_key::kKeyLength; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x",
                      static_cast<unsigned char>(package_key::kKeyText[i % package_key::kKeyTextLength]));
        key << hex;
    }
    key << "\n";
    return static_cast<bool>(body) && static_cast<bool>(key);
}

double Decrypt(const std::string& nsx, const std::string& out) {
    CRijndaelFILE cipher;
    package_key::SetPackageKey(cipher);
    const auto start = std::chrono::steady_clock::now();
    cipher.DecryptToFile(nsx.c_str(), out.c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::ifstream in(out, std::ios::binary | std::ios::ate);
    const double mebibytes = static_cast<double>(in.tellg()) / kMiB;
    std::printf("decrypted %.1f MiB in %.3f s: %.1f MiB/s\n", mebibytes, took.count(), mebibytes / took.count());
    return mebibytes / took.count();
}

bool Verify(const std::string& plainPath, const std::string& outPath) {
    std::ifstream plain(plainPath, std::ios::binary), out(outPath, std::ios::binary);
    std::vector<char> a(64 * 1024), b(64 * 1024);
    size_t total = 0;
    for (;;) {
        plain.read(a.data(), static_cast<std::streamsize>(a.size()));
        const size_t n = static_cast<size_t>(plain.gcount());
        out.read(b.data(), static_cast<std::streamsize>(n));
        if (static_cast<size_t>(out.gcount()) != n || std::memcmp(a.data(), b.data(), n) != 0) {
            std::fprintf(stderr, "MISMATCH near byte %zu\n", total);
            return false;
        }
        total += n;
        if (n < a.size()) break;
    }
    // Whatever follows the plain text is zero fill, less than one block.
    size_t fill = 0;
    for (char c; out.get(c); ++fill)
        if (c != 0 || fill >= 15) {
            std::fprintf(stderr, "MISMATCH in the fill after byte %zu\n", total);
            return false;
        }
    std::printf("verified %zu bytes (+%zu fill)\n", total, fill);
    return true;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: cipher_bench prepare <folder> [MiB]\n"
                 "       cipher_bench decrypt <nsx> <out>\n"
                 "       cipher_bench verify <plain> <out>\n"
                 "       cipher_bench run <folder> [MiB]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    try {
        if (command == "prepare" || command == "run") {
            const size_t mebibytes = argc > 3 ? static_cast<size_t>(std::strtoul(argv[3], nullptr, 10)) : 64;
            if (mebibytes == 0) return Usage();
            if (!Prepare(argv[2], mebibytes)) return 1;
            if (command == "prepare") return 0;
            const std::string nsx = Join(argv[2], "package.nsx"), out = Join(argv[2], "decrypted.bin");
            double best = 0;
            for (int i = 0; i < 3; ++i) {
                const double rate = Decrypt(nsx, out);
                if (rate > best) best = rate;
            }
            std::printf("best of 3: %.1f MiB/s\n", best);
            return Verify(Join(argv[2], "plain.bin"), out) ? 0 : 1;
        }
        if (argc < 4) return Usage();
        if (command == "decrypt") return Decrypt(argv[2], argv[3]) > 0 ? 0 : 1;
        if (command == "verify") return Verify(argv[2], argv[3]) ? 0 : 1;
    } catch (const FileCryptError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return Usage();
}
