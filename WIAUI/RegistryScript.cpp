#include "WIAUI/RegistryScript.h"

#include <cwchar>
#include <cwctype>

namespace tx {
namespace wiaui {
namespace {

struct Token {
    enum Kind { End, Open, Close, Equals, Word, Quoted } kind = End;
    std::wstring text;
    size_t at = 0;
};

class Parser {
public:
    Parser(const std::wstring& text, const ScriptVariables& variables) : m_text(text), m_vars(variables) {}

    bool Script(std::vector<ScriptRoot>& roots)
    {
        for (;;) {
            Token t = Next();
            if (t.kind == Token::End) return m_error.empty();
            if (t.kind != Token::Word) return Fail(t, L"a hive name was expected");
            ScriptRoot root;
            root.hive = Hive(t.text);
            if (!root.hive) return Fail(t, L"unknown hive");
            if (Next().kind != Token::Open) return Fail(t, L"'{' was expected after the hive");
            if (!Block(root.keys, nullptr)) return false;
            roots.push_back(std::move(root));
        }
    }

    std::wstring Error() const { return m_error; }

private:
    // Keys and values up to the closing brace of a block.
    bool Block(std::vector<ScriptKey>& keys, std::vector<ScriptValue>* values)
    {
        for (;;) {
            Token t = Next();
            if (!m_error.empty()) return false;
            if (t.kind == Token::Close) return true;
            if (t.kind != Token::Word) return Fail(t, L"a key name was expected");
            KeyFlag flag = KeyFlag::None;
            if (Is(t.text, L"NoRemove")) flag = KeyFlag::NoRemove;
            else if (Is(t.text, L"ForceRemove")) flag = KeyFlag::ForceRemove;
            else if (Is(t.text, L"Delete")) flag = KeyFlag::Delete;
            if (flag != KeyFlag::None) {
                t = Next();
                if (t.kind != Token::Word) return Fail(t, L"a key name was expected after the flag");
            }
            if (Is(t.text, L"val")) {
                if (!values || flag != KeyFlag::None) return Fail(t, L"a value outside a key");
                Token name = Next();
                if (name.kind != Token::Word && name.kind != Token::Quoted) return Fail(name, L"a value name was expected");
                ScriptValue value;
                value.name = name.text;
                if (Next().kind != Token::Equals) return Fail(name, L"'=' was expected after the value name");
                if (!Value(value)) return false;
                values->push_back(std::move(value));
                continue;
            }
            ScriptKey key;
            key.name = t.text;
            key.flag = flag;
            Token after = Peek();
            if (after.kind == Token::Equals) {
                Next();
                if (!Value(key.defaultValue)) return false;
                key.hasDefault = true;
                after = Peek();
            }
            if (after.kind == Token::Open) {
                Next();
                if (!Block(key.keys, &key.values)) return false;
            }
            keys.push_back(std::move(key));
        }
    }

    bool Value(ScriptValue& value)
    {
        Token type = Next();
        Token data = Next();
        if (type.kind != Token::Word) return Fail(type, L"a value type was expected");
        if (data.kind != Token::Quoted && data.kind != Token::Word) return Fail(data, L"a value was expected");
        if (Is(type.text, L"s") || Is(type.text, L"e")) {
            value.type = Is(type.text, L"s") ? REG_SZ : REG_EXPAND_SZ;
            value.text = data.text;
            return true;
        }
        if (Is(type.text, L"d")) {
            wchar_t* end = nullptr;
            const unsigned long n = std::wcstoul(data.text.c_str(), &end, 0);
            if (data.text.empty() || !end || *end) return Fail(data, L"not a number");
            value.type = REG_DWORD;
            value.number = static_cast<DWORD>(n);
            return true;
        }
        return Fail(type, L"unsupported value type");
    }

    Token Peek()
    {
        const size_t saved = m_pos;
        Token t = Next();
        m_pos = saved;
        return t;
    }

    Token Next()
    {
        Token t;
        while (m_pos < m_text.size() && std::iswspace(m_text[m_pos])) ++m_pos;
        t.at = m_pos;
        if (m_pos >= m_text.size()) return t;
        const wchar_t c = m_text[m_pos];
        const bool braceAlone = m_pos + 1 >= m_text.size() || std::iswspace(m_text[m_pos + 1]);
        if ((c == L'{' || c == L'}') && braceAlone) {
            ++m_pos;
            t.kind = c == L'{' ? Token::Open : Token::Close;
            return t;
        }
        if (c == L'=') {
            ++m_pos;
            t.kind = Token::Equals;
            return t;
        }
        std::wstring raw;
        if (c == L'\'') {
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size()) {
                    Fail(t, L"unterminated text");
                    return Token();
                }
                if (m_text[m_pos] == L'\'') {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == L'\'') {
                        raw += L'\'';
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                raw += m_text[m_pos++];
            }
            t.kind = Token::Quoted;
        } else {
            const bool guidName = c == L'{';
            while (m_pos < m_text.size()) {
                const wchar_t d = m_text[m_pos];
                if (std::iswspace(d) || d == L'=' || d == L'\'') break;
                if (!guidName && (d == L'{' || d == L'}')) break;
                raw += d;
                ++m_pos;
            }
            t.kind = Token::Word;
        }
        if (!Expand(raw, t.text)) {
            Fail(t, L"unknown variable");
            return Token();
        }
        return t;
    }

    bool Expand(const std::wstring& raw, std::wstring& out) const
    {
        out.clear();
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != L'%') {
                out += raw[i];
                continue;
            }
            const size_t close = raw.find(L'%', i + 1);
            if (close == std::wstring::npos) return false;
            const std::wstring name = raw.substr(i + 1, close - i - 1);
            if (name.empty()) {
                out += L'%';
            } else {
                const std::wstring* value = nullptr;
                for (const auto& v : m_vars)
                    if (Is(v.first, name.c_str())) value = &v.second;
                if (!value) return false;
                out += *value;
            }
            i = close;
        }
        return true;
    }

    static bool Is(const std::wstring& a, const wchar_t* b) { return _wcsicmp(a.c_str(), b) == 0; }

    static HKEY Hive(const std::wstring& name)
    {
        if (Is(name, L"HKCR") || Is(name, L"HKEY_CLASSES_ROOT")) return HKEY_CLASSES_ROOT;
        if (Is(name, L"HKCU") || Is(name, L"HKEY_CURRENT_USER")) return HKEY_CURRENT_USER;
        if (Is(name, L"HKLM") || Is(name, L"HKEY_LOCAL_MACHINE")) return HKEY_LOCAL_MACHINE;
        if (Is(name, L"HKU") || Is(name, L"HKEY_USERS")) return HKEY_USERS;
        return nullptr;
    }

    bool Fail(const Token& at, const wchar_t* what)
    {
        if (m_error.empty()) m_error = std::wstring(what) + L" at offset " + std::to_wstring(at.at);
        return false;
    }

    const std::wstring& m_text;
    const ScriptVariables& m_vars;
    size_t m_pos = 0;
    std::wstring m_error;
};

}  // namespace

bool ParseRegistryScript(const std::wstring& text, const ScriptVariables& variables,
                         std::vector<ScriptRoot>& roots, std::wstring* error)
{
    roots.clear();
    Parser parser(text, variables);
    const bool ok = parser.Script(roots);
    if (!ok) roots.clear();
    if (error) *error = parser.Error();
    return ok;
}

}  // namespace wiaui
}  // namespace tx
