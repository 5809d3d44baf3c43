// Applying language files to layout files on disk, with the demo package's
// own English and Polish files.
#include "setup/controller/language_layouts.h"
#include "setup/controller/language_rules.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>

namespace qx {
namespace {

std::string WinePath(const std::string& unixPath) {
    std::string p = "Z:" + unixPath;
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

std::string DemoPackage() { return WinePath(QX_SOURCE_DIR) + "\\demo\\package\\"; }

std::string FreshFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "qxlang_" + std::to_string(GetCurrentProcessId()) + "_" + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadValue(const std::string& path, const char* section, const std::string& key) {
    char buf[512] = "";
    GetPrivateProfileStringA(section, key.c_str(), "", buf, sizeof buf, path.c_str());
    return buf;
}

// A layout whose controls carry these identifier names, each with the caption "old i".
std::string Layout(const std::vector<std::string>& ids) {
    std::string text = "[INFO]\r\nTOTAL=" + std::to_string(ids.size()) + "\r\n[DADOS]\r\n";
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int n = static_cast<int>(i);
        text += LayoutPropertyKey(n, 0) + "=Name|" + ids[i] + "|0\r\n";
        text += LayoutPropertyKey(n, 1) + "=Caption|old " + std::to_string(i) + "|0\r\n";
    }
    return text;
}

TEST(LanguageLayouts, PolishFileRewritesTheMappedCaptions) {
    const std::string theme = FreshFolder("polish");
    const std::vector<std::string> welcome = {"IDC_BACK", "IDC_NEXT",    "IDCANCEL",    "IDC_LOGO",
                                              "IDC_TITLE", "IDC_STATIC1", "IDC_STATIC2", "IDC_STATIC3",
                                              "IDC_A",    "IDC_B",       "IDC_NEXT",    "IDC_C"};
    Write(theme + "welcome.lcd", Layout(welcome));
    Write(theme + "license.lcd", Layout({"IDC_ACCEPTLICENSE", "IDC_NOTACCEPTLICENSE", "IDC_NEXT"}));
    Write(theme + "askuser.lcd", Layout({"IDC_NEXT"}));

    ASSERT_TRUE(ApplyLanguageToLayouts(theme, DemoPackage() + "languages\\Polish.lan"));

    const std::string w = theme + "welcome.lcd";
    EXPECT_EQ(ReadValue(w, "DADOS", "3000,1"), "Caption|< Wstecz|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3001,1"), "Caption|Dalej >|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3002,1"), "Caption|Anuluj|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3003,1"), "Caption|old 3|0") << "a control without text keeps its caption";
    EXPECT_EQ(ReadValue(w, "DADOS", "3004,1"), "Caption|old 4|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3005,1"), "Caption|Witamy w instalatorze programu <ProductName>|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3010,1"), "Caption|Dalej >|0") << "the tenth and later use 30%i";
    EXPECT_EQ(ReadValue(w, "DADOS", "3011,1"), "Caption|old 11|0");
    EXPECT_EQ(ReadValue(w, "DADOS", "3000,0"), "Name|IDC_BACK|0") << "identifiers stay";

    const std::string l = theme + "license.lcd";
    EXPECT_EQ(ReadValue(l, "DADOS", "3000,1"), "Caption|Akceptuj\xEA warunki umowy licencyjnej|0");
    EXPECT_EQ(ReadValue(l, "DADOS", "3001,1"), "Caption|Nie akceptuj\xEA warunk\xF3w umowy licencyjnej|0");
    EXPECT_EQ(ReadValue(theme + "askuser.lcd", "DADOS", "3000,1"), "Caption|old 0|0") << "not a standard layout";
    EXPECT_FALSE(GetFileAttributesA((theme + "readme.lcd").c_str()) != INVALID_FILE_ATTRIBUTES)
        << "missing layouts are not created";
}

TEST(LanguageLayouts, AMissingLanguageFileLeavesTheLayoutsAlone) {
    const std::string theme = FreshFolder("missing");
    const std::string layout = Layout({"IDC_BACK", "IDC_NEXT", "IDCANCEL"});
    Write(theme + "welcome.lcd", layout);
    EXPECT_FALSE(ApplyLanguageToLayouts(theme, theme + "languages\\.lan"));
    std::ifstream in(theme + "welcome.lcd", std::ios::binary);
    std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, layout);
}

TEST(LanguageLayouts, EnglishAndPolishFilesCoverEveryMappedKey) {
    // Every control the table maps has a text in both demo files, so applying
    // them never empties a caption.
    const char* ids[] = {"IDCANCEL", "IDC_BACK", "IDC_NEXT", "IDC_STATIC1", "IDC_STATIC2", "IDC_STATIC3",
                         "IDC_STATIC4", "IDC_QXFRAME", "IDC_SUBTITLE", "IDC_TITLE", "IDC_ACCEPTLICENSE",
                         "IDC_NOTACCEPTLICENSE", "IDC_ANYONE", "IDC_ONLYFORME", "IDC_BROWSE", "IDC_TYPICAL",
                         "IDC_MINIMAL", "IDC_CUSTOM", "IDC_GROUPBOX1", "IDC_INSTALLSTATUS", "IDC_LAUNCHREADME",
                         "IDC_LAUNCHFILE", "IDYES", "IDNO", "IDOK", "IDABORT", "IDIGNORE", "IDRETRY"};
    for (const char* file : {"languages\\English.lan", "languages\\Polish.lan", "language.lan"}) {
        const std::string path = DemoPackage() + file;
        for (const auto& layout : StandardLayouts())
            for (const char* id : ids) {
                LanguageKey key = LanguageKeyFor(layout, id);
                if (key.section.empty()) continue;
                EXPECT_NE(ReadValue(path, key.section.c_str(), key.key), "") << file << " " << layout << " " << id;
            }
        for (int k = 0; k < 5; ++k)
            EXPECT_NE(ReadValue(path, "REQ", std::to_string(k)).find("<ProductName>"), std::string::npos) << file;
    }
}

TEST(LanguageLayouts, FileLocationFollowsTheLanguagesFolder) {
    const std::string package = FreshFolder("location");
    EXPECT_EQ(LanguageFileFor(package, "Polish"), package + "Polish.lan");
    CreateDirectoryA((package + "languages").c_str(), nullptr);
    EXPECT_EQ(LanguageFileFor(package, "Polish"), package + "languages\\Polish.lan");
}

TEST(LanguageLayouts, UiLanguageComesFromTheSystem) {
    EXPECT_EQ(GetUiLanguage(), static_cast<int>(GetSystemDefaultUILanguage()));
}

}  // namespace
}  // namespace qx
