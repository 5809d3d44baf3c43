#include "setup/base/ini_text.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <sstream>

namespace qx {

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return s.substr(b, e - b);
}

}  // namespace

int LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

IniText::IniText(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            std::size_t close = t.find(']');
            std::string name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            current = nullptr;
            for (auto& s : sections_)
                if (SameNoCase(s.name, name)) current = &s;
            if (!current) {
                sections_.push_back(Section{name, {}});
                current = &sections_.back();
            }
            continue;
        }
        if (!current) continue;
        std::size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        std::string key = Trim(t.substr(0, eq));
        std::string value = Trim(t.substr(eq + 1));
        if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                                  (value.front() == '\'' && value.back() == '\'')))
            value = value.substr(1, value.size() - 2);
        bool replaced = false;
        for (auto& kv : current->entries) {
            if (SameNoCase(kv.first, key)) {  // the profile API returns the first
                replaced = true;
                break;
            }
        }
        if (!replaced) current->entries.emplace_back(key, value);
    }
}

IniText IniText::FromFile(const std::string& path, bool* ok) {
    std::ifstream f(path, std::ios::binary);
    if (ok) *ok = static_cast<bool>(f);
    if (!f) return IniText();
    std::ostringstream ss;
    ss << f.rdbuf();
    std::string text = ss.str();
    // Decrypted scripts end in zero fill; the profile API stops at the first NUL.
    std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return IniText(text);
}

const IniText::Section* IniText::Find(const std::string& section) const {
    for (const auto& s : sections_)
        if (SameNoCase(s.name, section)) return &s;
    return nullptr;
}

bool IniText::HasSection(const std::string& section) const { return Find(section) != nullptr; }

std::string IniText::Read(const std::string& section, const std::string& key, std::size_t buffer) const {
    const Section* s = Find(section);
    if (!s || buffer == 0) return std::string();
    for (const auto& kv : s->entries) {
        if (SameNoCase(kv.first, key)) {
            std::string v = kv.second;
            if (v.size() > buffer - 1) v.resize(buffer - 1);
            return v;
        }
    }
    return std::string();
}

std::vector<std::string> IniText::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section))
        for (const auto& kv : s->entries) keys.push_back(kv.first);
    return keys;
}

}  // namespace qx
