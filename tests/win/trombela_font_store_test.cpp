// The print font store: the font file below FONT\, the system font dialog
// preset from it, cancel leaving everything unchanged, and the checked I/O.
#include "support/trombela_driver.h"
#include "trombela/font_store_win.h"
#include "trombela/record_io_win.h"

#include <gtest/gtest.h>

namespace trombela {
namespace {

using namespace trombela_test;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM lp) {
    *reinterpret_cast<bool*>(lp) = true;
    return 0;
}

bool SystemHasFont(const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &lf, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The font dialog can only start at Tahoma where Tahoma is installed. Wine
// ships its own Tahoma but does not always list it; lend it to this process.
bool EnsureTahoma() {
    if (SystemHasFont(L"Tahoma")) return true;
    return AddFontResourceExW(L"Z:\\usr\\share\\wine\\fonts\\tahoma.ttf", FR_PRIVATE, nullptr) > 0 &&
           SystemHasFont(L"Tahoma");
}

class TrombelaFontStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureTahoma()) << "no Tahoma font (Debian package fonts-wine)";
        folder_ = MakeTempFolder(L"font");
        CreateDirectoryW((folder_ + L"\\FONT").c_str(), nullptr);
        SetCurrentDirectoryW(folder_.c_str());
    }
    void TearDown() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        SetCurrentDirectoryW(temp);
    }
    std::wstring FontFile() const { return folder_ + L"\\FONT\\font_dolmen_2007.dat"; }
    bool Choose(Tfont_f& store, int button) {
        DialogAnswerer::Action a;
        a.kind = DialogAnswerer::kFontDialog;
        a.button = button;
        DialogAnswerer answerer(0, a);
        const bool chosen = store.ZapiszFonty(nullptr, "font_dolmen_2007.dat");
        EXPECT_TRUE(answerer.Finish());
        return chosen;
    }
    std::wstring folder_;
};

void ExpectStartValues(const PrintFont& f) {
    EXPECT_EQ(f.face, "");
    EXPECT_EQ(f.size, 0);
    EXPECT_EQ(f.colour, 0u);
    EXPECT_EQ(f.style, 0);
}

TEST_F(TrombelaFontStore, MissingFileKeepsTheStartValues) {
    Tfont_f store;
    store.CzytajFonty("font_dolmen_2007.dat");
    ExpectStartValues(store.PrintFontValue());
}

TEST_F(TrombelaFontStore, CancelCreatesNoFileAndChangesNothing) {
    Tfont_f store;
    EXPECT_FALSE(Choose(store, IDCANCEL));
    EXPECT_EQ(GetFileAttributesW(FontFile().c_str()), INVALID_FILE_ATTRIBUTES);
    ExpectStartValues(store.PrintFontValue());
}

TEST_F(TrombelaFontStore, DialogStartsAtTahomaEightAndStoresTheChoice) {
    Tfont_f store;
    ASSERT_TRUE(Choose(store, IDOK));
    const std::string bytes = ReadBytes(FontFile());
    ASSERT_EQ(bytes.size(), 76u);
    const PrintFont stored = DecodeFont(Bytes(bytes.begin(), bytes.end()));
    EXPECT_EQ(stored.face, "Tahoma");
    EXPECT_EQ(stored.size, 8);
    EXPECT_EQ(stored.style, 0);
    EXPECT_EQ(stored.colour, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(store.PrintFontValue().face, "Tahoma");
    EXPECT_EQ(store.PrintFontValue().size, 8);
}

TEST_F(TrombelaFontStore, StoredFontPresetsTheDialog) {
    PrintFont preset{0x00000080u, "Tahoma", 14, kFontBold};
    const Bytes record = EncodeFont(preset);
    ASSERT_TRUE(WriteBytes(FontFile(), std::string(record.begin(), record.end())));
    Tfont_f store;
    // Confirming the preset dialog stores exactly what was there.
    ASSERT_TRUE(Choose(store, IDOK));
    const std::string bytes = ReadBytes(FontFile());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), record);
    Tfont_f reader;
    reader.CzytajFonty("font_dolmen_2007.dat");
    EXPECT_EQ(reader.PrintFontValue().face, "Tahoma");
    EXPECT_EQ(reader.PrintFontValue().size, 14);
    EXPECT_EQ(reader.PrintFontValue().style, kFontBold);
    EXPECT_EQ(reader.PrintFontValue().colour, 0x80u);
}

TEST_F(TrombelaFontStore, ShortFileIsAnInputOutputError) {
    ASSERT_TRUE(WriteBytes(FontFile(), std::string(10, '\0')));
    Tfont_f store;
    try {
        store.CzytajFonty("font_dolmen_2007.dat");
        FAIL() << "a 10-byte font file was accepted";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), ERROR_HANDLE_EOF);
    }
    ExpectStartValues(store.PrintFontValue());
}

TEST_F(TrombelaFontStore, MissingFontFolderFailsTheStoreAndKeepsTheFont) {
    RemoveDirectoryW((folder_ + L"\\FONT").c_str());
    Tfont_f store;
    EXPECT_THROW(Choose(store, IDOK), InOutError);
    ExpectStartValues(store.PrintFontValue());
}

}  // namespace
}  // namespace trombela
