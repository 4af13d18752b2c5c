// The handle of the module this code runs in: the data source when loaded as
// TARVX380.ds, the test program when linked into one.
#pragma once

#include <windows.h>

#include <string>

HMODULE ModuleHandle();
void SetModuleHandle(HMODULE module);

// The folder of the module file, with a trailing backslash.
std::string ModuleFolder();
