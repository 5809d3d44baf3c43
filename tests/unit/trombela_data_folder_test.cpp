#include "trombela/data_folder.h"

#include <gtest/gtest.h>

namespace trombela {
namespace {

TEST(TrombelaLocation, InitialRecordBytes) {
    const Bytes b = EncodeLocation(InitialLocation("C:\\Koperty"));
    ASSERT_EQ(b.size(), 403u);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 10);
    EXPECT_EQ(std::string(b.begin() + 2, b.begin() + 12), "C:\\Koperty");
    for (std::size_t i = 12; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;
}

TEST(TrombelaLocation, LongCurrentDirectoryIsCutTo200) {
    const std::string dir = "C:\\" + std::string(250, 'd');
    const LocationRecord back = DecodeLocation(EncodeLocation(InitialLocation(dir)));
    EXPECT_EQ(back.first, dir.substr(0, 200));
    EXPECT_EQ(back.second, "");
}

TEST(TrombelaLocation, KindChoosesTheDataFolder) {
    struct Case {
        std::uint8_t kind;
        const char* first;
        const char* second;
        const char* folder;
    } cases[] = {
        {1, "D:\\dane", "\\\\serwer\\koperty", "D:\\dane"},
        {2, "D:\\dane", "\\\\serwer\\koperty", "\\\\serwer\\koperty"},
        {2, "D:\\dane", "", ""},  // root of the current drive
        {0, "D:\\dane", "E:\\x", "C:\\start"},
        {3, "D:\\dane", "E:\\x", "C:\\start"},
        {255, "D:\\dane", "E:\\x", "C:\\start"},
        {1, "D:\\dane\\", "", "D:\\dane"},
    };
    for (const auto& c : cases) {
        const LocationRecord r{c.kind, c.first, c.second};
        EXPECT_EQ(ResolveDataFolder("C:\\start", DecodeLocation(EncodeLocation(r))), c.folder)
            << int(c.kind);
    }
}

TEST(TrombelaLocation, FileNamesAppendUnchanged) {
    EXPECT_EQ(DataFilePath("C:\\k", kSettingsFile), "C:\\k\\ADMINI\\dane_kop_1.dat");
    EXPECT_EQ(DataFilePath("", kLocationFile), "\\Admini\\siec.dat");
    EXPECT_EQ(DataFilePath(WithoutTrailingBackslash("C:\\"), kOptionsFile),
              "C:\\ADMINI\\dane_kop_ori_1.dat");
}

}  // namespace
}  // namespace trombela
