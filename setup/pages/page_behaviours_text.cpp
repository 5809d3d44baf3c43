// The page behaviours that move text between files and the page: licence and
// read-me texts into their boxes, and the customer page's name and
// organisation out to the controller, userinfo.ini and the registry.
#include "setup/base/unique_handle.h"
#include "setup/pages/page_behaviours_rules.h"
#include "setup/pages/page_window.h"

#include <richedit.h>

#include <fstream>
#include <iterator>

namespace qx::pages {

namespace {

bool ReadFileText(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

struct StreamSource {
    const std::string* text;
    std::size_t offset;
};

DWORD CALLBACK ReadStreamChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const std::size_t left = source->text->size() - source->offset;
    const std::size_t count = wanted > 0 && left > static_cast<std::size_t>(wanted) ? static_cast<std::size_t>(wanted)
                                                                                     : left;
    source->text->copy(reinterpret_cast<char*>(buffer), count, source->offset);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

HKEY RootKey(RegistryRootName root) {
    switch (root) {
        case RegistryRootName::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RegistryRootName::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRootName::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRootName::Users: return HKEY_USERS;
        case RegistryRootName::CurrentConfig: return HKEY_CURRENT_CONFIG;
        case RegistryRootName::None: break;
    }
    return nullptr;
}

void SetStringValue(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

}  // namespace

void CImageWindow::LoadPageText(const char* fileKey, const char* controlKey) {
    const KeyValueReader& script = host_.SetupScript();
    const std::string fileName = FileNamePart(script.Read("DIALOGLIST", fileKey));
    if (fileName.empty()) return;
    const std::string path = host_.TextFileFolder() + fileName;
    const int id = FindControlByIdName(script.Read("DIALOGLIST", controlKey));
    HWND control = ControlHandle(id);
    if (!control) return;
    std::string content;
    if (!ReadFileText(path, content)) return;
    if (IsRichTextPath(path)) {
        // Rich text needs a rich-edit box; another control keeps its text.
        if (controls_[static_cast<std::size_t>(ListPositionOf(id))].type == ControlType::RichText)
            StreamRichText(control, content);
        return;
    }
    SetWindowTextA(control, content.c_str());
}

void CImageWindow::StreamRichText(HWND control, const std::string& content) {
    StreamSource source{&content, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadStreamChunk;
    SendMessageA(control, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void CImageWindow::CommitCustomerPage() {
    if (layoutName_ != "customer.lcd") return;
    std::string userName = host_.UserName();
    std::string organisation = host_.Organisation();
    if (FindControlByIdName("IDC_USERNAME") >= 0) userName = ControlText("IDC_USERNAME");
    if (FindControlByIdName("IDC_ORGANIZATION") >= 0) organisation = ControlText("IDC_ORGANIZATION");
    host_.SetUserInfo(userName, organisation);

    std::string ini = host_.WindowsFolder();
    if (ini.empty() || ini.back() != '\\') ini += '\\';
    ini += "userinfo.ini";
    WritePrivateProfileStringA("USERINFO", "D1", userName.c_str(), ini.c_str());
    WritePrivateProfileStringA("USERINFO", "D2", organisation.c_str(), ini.c_str());
    WriteUserInfoKey(userName, organisation);
}

void CImageWindow::WriteUserInfoKey(const std::string& userName, const std::string& organisation) {
    const KeyValueReader& script = host_.SetupScript();
    const std::string keyPath = host_.ExpandTokens(script.Read("DIALOGLIST", "CT18"));
    if (keyPath.empty()) return;
    HKEY root = RootKey(ParseRegistryRoot(script.Read("DIALOGLIST", "CT17")));
    if (!root) return;
    HKEY raw = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS)
        return;
    unique_hkey key(raw);
    SetStringValue(key.get(), "<UserName>", userName);
    SetStringValue(key.get(), "<CompanyName>", organisation);
}

}  // namespace qx::pages
