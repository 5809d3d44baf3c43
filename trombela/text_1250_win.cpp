#include "trombela/text_1250_win.h"

#include <windows.h>

namespace trombela {
namespace {
constexpr UINT kCodePage = 1250;
}

std::wstring Widen(const std::string& cp1250) {
    if (cp1250.empty()) return {};
    const int n = MultiByteToWideChar(kCodePage, 0, cp1250.data(), int(cp1250.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(kCodePage, 0, cp1250.data(), int(cp1250.size()), out.data(), n);
    return out;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(kCodePage, 0, text.data(), int(text.size()), nullptr, 0, "?", nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), int(text.size()), out.data(), n, "?", nullptr);
    return out;
}

}  // namespace trombela
