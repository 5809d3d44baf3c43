// The VARIABLES section: the keys of one variable, its source, the rules that
// turn what a source yields into the value, and the web address rules.
#pragma once
#include "setup/base/key_value_reader.h"
#include "setup/controller/token_expansion.h"

#include <string>
#include <vector>

namespace qx {

enum class VariableSource { Nowhere, Registry, IniFiles, FindFile, Web, FindWindow, Unknown };

VariableSource VariableSourceFromText(const std::string& text);

// Keys "A%i" to "Q%i" of variable k, each read into 100 characters.
struct VariableKeys {
    std::string name;          // A
    std::string defaultValue;  // B
    std::string engineText;    // C
    std::string source;        // D
    std::string root;          // E
    std::string keyPath;       // F
    std::string valueName;     // G
    std::string iniPath;       // H
    std::string iniSection;    // I
    std::string iniKey;        // J
    std::string findPath;      // L
    std::string m, n;          // M, N
    std::string url;           // O
    std::string windowClass;   // P
    std::string windowTitle;   // Q
};

VariableKeys ReadVariableKeys(const KeyValueReader& script, int k);
int VariableTotal(const KeyValueReader& script);

// What a source yielded, or the default value when that is empty.
std::string ValueOrDefault(const std::string& result, const std::string& defaultValue);
std::string TrueFalse(bool found);

// The variable table: names and values in the order read, and the second
// text per entry that only the engine uses. Inserts beyond the table size
// are refused.
struct VariableTable {
    ScriptVariables entries;             // name, value
    std::vector<std::string> engineTexts;
    bool Add(const std::string& name, const std::string& engineText, const std::string& value);
    int Count() const { return static_cast<int>(entries.size()); }
};

// Registry root names as scripts write them; nullptr-like 0 for others.
enum class RegistryRoot { None, ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };
RegistryRoot RegistryRootFromName(const std::string& name);

// "http://host/path": the host up to the first "/" and the request path from
// that "/" on ("/" when the address names only a host).
struct WebAddress {
    std::string host;
    std::string path;
};
WebAddress SplitWebAddress(const std::string& address);

// A body longer than the announced length is cut to it; -1 means no length.
std::string CutToContentLength(const std::string& body, long long contentLength);

}  // namespace qx
