// The registration script in the notation of the ATL registrar, parsed into
// a tree of keys and values.
//
//   HKCR { NoRemove CLSID { ForceRemove {guid} = s 'text' { val Name = s 'x' } } }
//
// A root names a hive (HKCR, HKCU, HKLM, HKU or their long names). Each key
// may carry a flag (NoRemove, ForceRemove, Delete), a default value
// (`= s 'text'`, `= e 'text'`, `= d 'number'`) and a block of sub-keys and
// named values (`val Name = ...`). Quoted texts double a quote to contain one.
// `%NAME%` in names and texts is replaced from the variables given; `%%`
// stands for a single percent sign. An unknown variable is an error.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace tx {
namespace wiaui {

enum class KeyFlag { None, NoRemove, ForceRemove, Delete };

struct ScriptValue {
    std::wstring name;  // empty: the key's default value
    DWORD type = REG_SZ;
    std::wstring text;  // REG_SZ, REG_EXPAND_SZ
    DWORD number = 0;   // REG_DWORD
};

struct ScriptKey {
    std::wstring name;
    KeyFlag flag = KeyFlag::None;
    bool hasDefault = false;
    ScriptValue defaultValue;
    std::vector<ScriptValue> values;
    std::vector<ScriptKey> keys;
};

struct ScriptRoot {
    HKEY hive = nullptr;
    std::vector<ScriptKey> keys;
};

using ScriptVariables = std::vector<std::pair<std::wstring, std::wstring>>;

// Parses the whole script. On a syntax error gives false and, when `error`
// is given, a short account with the position.
bool ParseRegistryScript(const std::wstring& text, const ScriptVariables& variables,
                         std::vector<ScriptRoot>& roots, std::wstring* error = nullptr);

}  // namespace wiaui
}  // namespace tx
