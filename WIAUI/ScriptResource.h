// The module's registration script (resource "REGISTRY" 2001, U.S. English)
// and the class id of the shell extension that is read from it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace tx {
namespace wiaui {

// The script's text from the module's resources; false when it is missing.
bool LoadRegistryScript(HINSTANCE module, std::string& text);

// The class id of the context-menu handler named in a script: within the
// first 1500 bytes, after "ContextMenuHandlers", the next "{", the first
// hexadecimal digit after it and the 36 characters from there, in braces.
// False when any of that is missing or is no class id.
bool ShellExtClassIdFromScript(const char* text, std::size_t size, CLSID& clsid);

}  // namespace wiaui
}  // namespace tx
