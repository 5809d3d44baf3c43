// Checked record input and output on real files: missing folders, short
// files, and a failed write that must leave the stored record intact.
#include "support/trombela_driver.h"
#include "trombela/record_io_win.h"
#include "trombela/text_1250_win.h"

#include <gtest/gtest.h>

namespace trombela {
namespace {

using namespace trombela_test;

TEST(TrombelaRecordIo, WriteThenReadBackExactly) {
    const std::wstring folder = MakeTempFolder(L"io");
    const std::string path = Narrow(folder) + "\\ADMINI_dane.dat";
    const Bytes record = {1, 2, 3, 0, 255};
    WriteRecord(path, record);
    EXPECT_EQ(ReadRecord(path, 5), record);
    EXPECT_TRUE(FileExists(path));
    // Nothing is left beside the file.
    EXPECT_EQ(GetFileAttributesW((Widen(path) + L".~new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(TrombelaRecordIo, FailuresCarryTheSystemCode) {
    const std::wstring folder = MakeTempFolder(L"io");
    const std::string base = Narrow(folder);
    WriteBytes(folder + L"\\short.dat", "ab");
    struct Case {
        std::string path;
        bool write;
        std::uint32_t code;
    } cases[] = {
        {base + "\\ADMINI\\dane_kop_1.dat", false, ERROR_PATH_NOT_FOUND},
        {base + "\\ADMINI\\dane_kop_1.dat", true, ERROR_PATH_NOT_FOUND},
        {base + "\\brak.dat", false, ERROR_FILE_NOT_FOUND},
        {base + "\\short.dat", false, ERROR_HANDLE_EOF},
    };
    for (const auto& c : cases) {
        try {
            if (c.write) WriteRecord(c.path, Bytes(3, 0));
            else ReadRecord(c.path, 3);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const InOutError& e) {
            EXPECT_EQ(e.code(), c.code) << c.path;
            EXPECT_EQ(e.path(), c.path);
        }
    }
}

TEST(TrombelaRecordIo, FailedWriteLeavesTheStoredRecordIntact) {
    const std::wstring folder = MakeTempFolder(L"io");
    const std::wstring target = folder + L"\\dane.dat";
    const Bytes old_record = {9, 9, 9};
    WriteRecord(Narrow(target), old_record);
    {
        // Another program holds the file open and forbids deleting it.
        HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_THROW(WriteRecord(Narrow(target), Bytes{1, 2, 3}), InOutError);
        CloseHandle(held);
    }
    EXPECT_EQ(ReadRecord(Narrow(target), 3), old_record);
    EXPECT_EQ(GetFileAttributesW((target + L".~new").c_str()), INVALID_FILE_ATTRIBUTES);

    // The scratch file cannot be created.
    ASSERT_TRUE(CreateDirectoryW((target + L".~new").c_str(), nullptr));
    EXPECT_THROW(WriteRecord(Narrow(target), Bytes{1, 2, 3}), InOutError);
    EXPECT_EQ(ReadRecord(Narrow(target), 3), old_record);
}

TEST(TrombelaRecordIo, ReadOrCreateWritesOnlyWhenMissing) {
    const std::wstring folder = MakeTempFolder(L"io");
    const std::string path = Narrow(folder) + "\\siec.dat";
    EXPECT_EQ(ReadOrCreateRecord(path, Bytes{1, 0}), (Bytes{1, 0}));
    WriteRecord(path, Bytes{2, 5});
    EXPECT_EQ(ReadOrCreateRecord(path, Bytes{1, 0}), (Bytes{2, 5}));
}

}  // namespace
}  // namespace trombela
