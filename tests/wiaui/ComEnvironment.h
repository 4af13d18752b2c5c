// The built TX380WUI.dll beside the test program, registered with the
// system's regsvr32 in the build's Wine prefix for the whole program (and
// unregistered at its end), with COM started on this thread.
#pragma once

#include <windows.h>

#include <string>

// Full path of TX380WUI.dll beside this program.
std::wstring ExtensionPath();

// Runs regsvr32 (silently) on the extension; gives its exit code, or -1.
int RunRegsvr32(bool unregister);

// The class ids of the extension's classes.
extern const CLSID kClsidShellExt;
extern const CLSID kClsidUIExtension;
