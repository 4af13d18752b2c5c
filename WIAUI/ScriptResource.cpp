#include "WIAUI/ScriptResource.h"

#include <objbase.h>

#include <cstring>

#include "WIAUI/resource.h"

namespace tx {
namespace wiaui {
namespace {
constexpr std::size_t kClassIdSearchBytes = 1500;
constexpr std::size_t kClassIdChars = 36;

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
}  // namespace

bool LoadRegistryScript(HINSTANCE module, std::string& text)
{
    text.clear();
    HRSRC found = FindResourceExA(module, "REGISTRY", MAKEINTRESOURCEA(IDR_REGISTRY_SCRIPT),
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!found) return false;
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!data) return false;
    text.assign(data, size);
    // A resource compiler may pad the text with zeros.
    const std::size_t end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
    return true;
}

bool ShellExtClassIdFromScript(const char* text, std::size_t size, CLSID& clsid)
{
    if (!text) return false;
    const std::string head(text, size < kClassIdSearchBytes ? size : kClassIdSearchBytes);
    std::size_t at = head.find("ContextMenuHandlers");
    if (at == std::string::npos) return false;
    at = head.find('{', at);
    if (at == std::string::npos) return false;
    while (at < head.size() && !IsHexDigit(head[at])) ++at;
    if (at + kClassIdChars > head.size()) return false;
    wchar_t braced[kClassIdChars + 3] = {};
    braced[0] = L'{';
    for (std::size_t i = 0; i < kClassIdChars; ++i) braced[i + 1] = static_cast<unsigned char>(head[at + i]);
    braced[kClassIdChars + 1] = L'}';
    return SUCCEEDED(CLSIDFromString(braced, &clsid));
}

}  // namespace wiaui
}  // namespace tx
