// The chunked reader: chunk lengths, the seams between the two halves, the end
// of the file and its four refusals.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "setup/payload/double_buffering.h"
#include "setup/payload/file_crypt_error.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

class CipherDoubleBuffering : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qx_dbuf_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Bytes with a period (251) that fits no buffer size used here, so a chunk
    // served from the wrong half cannot look right.
    std::string MakeFile(size_t size) {
        const fs::path path = dir_ / ("data" + std::to_string(size));
        content_.resize(size);
        for (size_t i = 0; i < size; ++i) content_[i] = static_cast<unsigned char>((i * 7 + i / 251) % 251);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(content_.data()), static_cast<std::streamsize>(size));
        return path.string();
    }

    fs::path dir_;
    Bytes content_;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileCryptError& e) {
        return e.what();
    }
    return "";
}

struct ChunkCase {
    size_t fileSize;
    int bufferSize;
    int chunk;
};

TEST_F(CipherDoubleBuffering, DeliversTheFileInWholeChunks) {
    const ChunkCase cases[] = {
        {0, 1024, 384},    {1, 1024, 384},    {383, 1024, 384},  {384, 1024, 384},  {385, 1024, 384},
        {511, 1024, 384},  {512, 1024, 384},  {513, 1024, 384},  {768, 1024, 384},  {1024, 1024, 384},
        {1025, 1024, 384}, {1536, 1024, 384}, {5000, 1024, 384}, {5000, 1024, 512}, {1000, 1024, 1},
        {100, 2, 1},       {101, 10, 5},      {97, 16, 3},       {4096, 1024, 500},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE("file " + std::to_string(t.fileSize) + " buffer " + std::to_string(t.bufferSize) + " chunk " +
                     std::to_string(t.chunk));
        const std::string path = MakeFile(t.fileSize);
        std::ifstream in(path, std::ios::binary);
        Bytes buffer(static_cast<size_t>(t.bufferSize));
        CDoubleBuffering reader(in, buffer.data(), t.bufferSize, t.chunk);
        Bytes all, piece(static_cast<size_t>(t.chunk));
        std::vector<int> lengths;
        for (int n; (n = reader.GetData(piece.data(), -1)) > 0;) {
            lengths.push_back(n);
            all.insert(all.end(), piece.begin(), piece.begin() + n);
            ASSERT_LT(lengths.size(), t.fileSize + 2) << "reader does not end";
        }
        EXPECT_EQ(all, content_);
        for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], t.chunk) << "chunk " << i;
        if (!lengths.empty()) {
            EXPECT_GE(lengths.back(), 1);
        }
        EXPECT_EQ(reader.GetData(piece.data(), -1), 0);
        EXPECT_EQ(reader.GetData(piece.data(), t.chunk), 0);
    }
}

TEST_F(CipherDoubleBuffering, MixedChunkLengthsAcrossBothSeams) {
    const std::string path = MakeFile(10000);
    std::ifstream in(path, std::ios::binary);
    unsigned char buffer[1024];
    CDoubleBuffering reader(in, buffer, 1024, 384);
    const int pattern[] = {1, 512, 7, 300, -1, 511, 2, 499};
    Bytes all;
    unsigned char piece[512];
    size_t step = 0;
    for (;;) {
        const int asked = pattern[step++ % (sizeof pattern / sizeof pattern[0])];
        const int n = reader.GetData(piece, asked);
        if (n == 0) break;
        if (all.size() + static_cast<size_t>(n) < content_.size()) {
            EXPECT_EQ(n, asked == -1 ? 384 : asked);
        }
        all.insert(all.end(), piece, piece + n);
    }
    EXPECT_EQ(all, content_);
}

TEST_F(CipherDoubleBuffering, StartsWhereTheStreamStands) {
    const std::string path = MakeFile(700);
    std::ifstream in(path, std::ios::binary);
    in.seekg(32);
    unsigned char buffer[1024], piece[384];
    CDoubleBuffering reader(in, buffer, 1024, 384);
    Bytes all;
    for (int n; (n = reader.GetData(piece)) > 0;) all.insert(all.end(), piece, piece + n);
    EXPECT_EQ(all, Bytes(content_.begin() + 32, content_.end()));
}

TEST_F(CipherDoubleBuffering, ConstructionChecksInOrder) {
    const std::string path = MakeFile(10);
    unsigned char buffer[1024];
    std::ifstream open(path, std::ios::binary);
    std::ifstream closed;
    std::ifstream bad(path, std::ios::binary);
    bad.setstate(std::ios::badbit);
    const std::string even = "CDoubleBuffering: m_iSize should be Even Number!";
    const std::string notOpen = "CDoubleBuffering: Referenced File not Opened or in Bad State!";
    const std::string illegal = "CDoubleBuffering: Illegal Construction Data!";
    struct Case {
        std::ifstream* in;
        unsigned char* buffer;
        int size;
        int chunk;
        const std::string& message;
    } cases[] = {
        {&closed, buffer, 1023, 0, even},   {&open, buffer, 1, 1, even},       {&closed, buffer, 1024, 0, notOpen},
        {&bad, buffer, 1024, 384, notOpen}, {&open, buffer, 1024, 0, illegal}, {&open, buffer, 1024, -1, illegal},
        {&open, buffer, 1024, 513, illegal}, {&open, buffer, 0, 1, illegal},   {&open, nullptr, 1024, 384, illegal},
    };
    for (const auto& t : cases)
        EXPECT_EQ(ErrorOf([&] { CDoubleBuffering reader(*t.in, t.buffer, t.size, t.chunk); }), t.message)
            << "size " << t.size << " chunk " << t.chunk;
}

TEST_F(CipherDoubleBuffering, GetDataRefusesIllegalLengths) {
    const std::string path = MakeFile(2000);
    std::ifstream in(path, std::ios::binary);
    unsigned char buffer[1024], piece[1024];
    CDoubleBuffering reader(in, buffer, 1024, 384);
    for (int length : {0, -2, -384, 513, 1024})
        EXPECT_EQ(ErrorOf([&] { reader.GetData(piece, length); }), "CDoubleBuffering::GetData(): Illegal iDataLen!")
            << length;
    // A refused call consumes nothing.
    ASSERT_EQ(reader.GetData(piece, 512), 512);
    EXPECT_EQ(Bytes(piece, piece + 512), Bytes(content_.begin(), content_.begin() + 512));
}

}  // namespace
